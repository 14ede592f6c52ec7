// List bullets of a long document: building the generator, a bullet for every paragraph, and
// one paragraph inserted in the middle and removed again. Documents of 1,000 and 10,000
// paragraphs in 5 lists of 4 levels show whether a bullet's cost grows with the document.
#include "OfficeUtils/OU_NumListBulletGenerator.h"

#include <memory>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>
#include <fmt/format.h>

namespace {

using namespace Vesk;
using Vesk::OfficeUtils::NumListBulletGenerator;

struct LongDocument {
  DOM::Document doc;
  std::vector<std::pair<const DOM::Paragraph*, DOM::NumberingRef>> numbered;
  std::vector<DOM::ListTag> tags;

  explicit LongDocument(std::size_t paragraphs) {
    std::mt19937 random(7);
    std::vector<std::size_t> lastLevel(5, 0);
    for (int i = 0; i < 5; ++i) {
      std::vector<DOM::NumberingLevel> levels;
      std::string expression;
      for (int level = 1; level <= 4; ++level) {
        expression += fmt::format("%{}.", level);
        levels.emplace_back(DOM::NumListMarker(DOM::NumberFormatType(i % 5), 1, expression));
      }
      doc.getNumLists().emplace_back(UUID::generate(), std::move(levels));
      tags.emplace_back(UUID::generate());
    }
    for (std::size_t i = 0; i < paragraphs; ++i) {
      auto paragraph = doc.makeParagraph();
      if (i % 10 != 9) {
        const std::size_t list = random() % 5;
        // Levels step down at most one at a time, as outlines do.
        std::size_t& level = lastLevel[list];
        level = std::min<std::size_t>(random() % (level + 2), 3);
        paragraph->setNumRef(
            DOM::NumberingRef(doc.getNumLists()[list].getUUID(), tags[list], level));
        numbered.emplace_back(paragraph.get(), *paragraph->getNumRef());
      }
      doc.getBlocks().push_back(std::move(paragraph));
    }
  }
};

void BM_Build(benchmark::State& state) {
  const LongDocument document(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    NumListBulletGenerator generator(document.doc);
    benchmark::DoNotOptimize(&generator);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Build)->Arg(1000)->Arg(10000);

void BM_GenerateEveryBullet(benchmark::State& state) {
  const LongDocument document(static_cast<std::size_t>(state.range(0)));
  const NumListBulletGenerator generator(document.doc);
  std::size_t length = 0;
  for (auto _ : state) {
    for (const auto& [paragraph, ref] : document.numbered) {
      const auto bullet =
          generator.generateBullet(paragraph->getID(), ref, DOM::TrackChangesViewMode::Final);
      length += bullet->size();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(document.numbered.size()));
  const auto& [first, ref] = document.numbered.front();
  if (generator.generateBullet(first->getID(), ref, DOM::TrackChangesViewMode::Final)->empty())
    state.SkipWithError("the first bullet is empty");
  benchmark::DoNotOptimize(length);
}
BENCHMARK(BM_GenerateEveryBullet)->Arg(1000)->Arg(10000);

void BM_InsertAndRemoveInTheMiddle(benchmark::State& state) {
  LongDocument document(static_cast<std::size_t>(state.range(0)));
  NumListBulletGenerator generator(document.doc);
  const auto& [middle, middleRef] = document.numbered[document.numbered.size() / 2];
  // The new paragraph follows the middle one, one level deeper when it can.
  auto paragraph = document.doc.makeParagraph();
  auto ref = middleRef;
  ref.setLevel(std::min<std::size_t>(*ref.getLevel() + 1, 3));
  paragraph->setNumRef(ref);
  const auto previous = [id = middle->getID()](const DOM::NumberingRef&) { return id; };
  for (auto _ : state) {
    generator.insert(*paragraph, NumListBulletGenerator::Scope(), previous);
    generator.remove(paragraph->getID());
  }
  if (generator.generateBullet(middle->getID(), middleRef, DOM::TrackChangesViewMode::Final)
          ->empty())
    state.SkipWithError("no bullet after the edits");
}
BENCHMARK(BM_InsertAndRemoveInTheMiddle)->Arg(1000)->Arg(10000);

}  // namespace
