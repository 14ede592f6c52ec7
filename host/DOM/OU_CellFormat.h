// A cell's number format: a parsed format code or a locale-dependent date-time format.
// Built once and then shared read-only as std::shared_ptr<const CellFormat>.
#pragma once

#include <iosfwd>
#include <utility>

#include <boost/variant.hpp>

#include "host/DOM/OU_CellFormatModel.h"

namespace Vesk::DOM {

class CellFormat {
 public:
  using Data =
      boost::variant<CellFormatModel::Expression, CellFormatModel::DateTimeLocalizedExpression>;

  explicit CellFormat(Data data) : _data(std::move(data)) {}

  [[nodiscard]] const Data& getData() const { return _data; }

  friend bool operator==(const CellFormat&, const CellFormat&) = default;

 private:
  Data _data;
};

std::ostream& operator<<(std::ostream& out, const CellFormat& format);

}  // namespace Vesk::DOM
