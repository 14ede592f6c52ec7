// The built-in function-name tables (English names, the OpenDocument dialect, the OOXML
// dialects) as static records in the order a map adds them. Their data, generated into
// OU_FunctionsNamesTables.cpp by tools/generate_function_names.py, keeps only what a vocabulary
// writes otherwise than the English names; buildFunctionsNamesTable assembles each full table
// from it at compile time.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "OfficeUtils/Formulas/OU_FunctionsNamesMap.h"

namespace Vesk::OfficeUtils::Detail {

boost::const_multi_array_ref<FunctionsNamesMap::StorageInfo, 1> englishFunctionsNamesTable();
boost::const_multi_array_ref<FunctionsNamesMap::StorageInfo, 1> openDocumentFunctionsNamesTable();
boost::const_multi_array_ref<FunctionsNamesMap::StorageInfo, 1> ooxmlFunctionsNamesTable();

// How one vocabulary differs from the English names.
struct VocabularyNames {
  // The flag of a function that is written under its English name alone.
  FunctionsNamesMap::PrimaryParameter englishNameFlag;
  // Functions the vocabulary has no name for.
  std::span<const Vesk::DOM::FormulaFunctionType> absent;
  // Every name of the other functions, in stored order, grouped by function in value order.
  std::span<const FunctionsNamesMap::StorageInfo> ownNames;
};

// The table of a vocabulary: for each function in value order, its own names if it has any, else
// its English name (englishNames[value]) alone. Fails to compile unless the table has exactly
// `Size` records and uses every own name.
template <std::size_t Size>
consteval std::array<FunctionsNamesMap::StorageInfo, Size> buildFunctionsNamesTable(
    std::span<const char* const> englishNames, const VocabularyNames& vocabulary) {
  std::array<FunctionsNamesMap::StorageInfo, Size> table{};
  std::size_t count = 0;
  std::size_t own = 0;
  auto append = [&](const FunctionsNamesMap::StorageInfo& record) {
    if (count == Size) throw "the table has more records than its declared size";
    table[count++] = record;
  };
  for (std::size_t value = 1; value < englishNames.size(); ++value) {
    const auto type = static_cast<Vesk::DOM::FormulaFunctionType>(value);
    bool isAbsent = false;
    for (const auto absentType : vocabulary.absent) isAbsent = isAbsent || absentType == type;
    if (isAbsent) continue;
    if (own < vocabulary.ownNames.size() && vocabulary.ownNames[own].type == type) {
      while (own < vocabulary.ownNames.size() && vocabulary.ownNames[own].type == type)
        append(vocabulary.ownNames[own++]);
    } else {
      append({type, englishNames[value], vocabulary.englishNameFlag});
    }
  }
  if (count != Size) throw "the table has fewer records than its declared size";
  if (own != vocabulary.ownNames.size()) throw "own names out of value order or of no function";
  return table;
}

// The number of function types in a table whose records of one type stand together.
template <std::size_t Size>
constexpr std::size_t countFunctionTypes(
    const std::array<FunctionsNamesMap::StorageInfo, Size>& table) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < Size; ++i) count += i == 0 || table[i].type != table[i - 1].type;
  return count;
}

}  // namespace Vesk::OfficeUtils::Detail
