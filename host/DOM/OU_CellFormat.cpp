#include "host/DOM/OU_CellFormat.h"

#include <ostream>

namespace Vesk::DOM {

std::ostream& operator<<(std::ostream& out, const CellFormat& format) {
  return out << "CellFormat{" << format.getData() << "}";
}

}  // namespace Vesk::DOM
