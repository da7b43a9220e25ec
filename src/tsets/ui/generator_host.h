#pragma once
// What the generator window asks of the window that owns the sets grid (Targeted Sets),
// so that neither window includes the other.
#include "tsets/generator.h"

namespace ds::ui {

class GeneratorHost {
 public:
  virtual ~GeneratorHost() = default;
  // The one path by which the generator writes the sets grid, which every other
  // window only reads: generator_target() gives it the grid, the chosen size and
  // the date box's text; after_generation() then shows what it wrote and, when
  // it made a proposal (`enable_save`), makes Save usable.
  virtual GeneratorTarget generator_target() = 0;
  virtual void after_generation(bool enable_save) = 0;
};

}  // namespace ds::ui
