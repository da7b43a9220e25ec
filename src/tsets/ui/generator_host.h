#pragma once
// What the generator window asks of the window that owns the sets grid (Targeted Sets),
// so that neither window includes the other.
#include "tsets/generator.h"

namespace ds::ui {

class GeneratorHost {
 public:
  virtual ~GeneratorHost() = default;
  // The one path by which the generator writes the sets grid, which every other
  // window only reads: generator_target() gives `generate` the Targeted Sets
  // window's model and its date box's text; after_generation() then shows the
  // model as `generate` left it.
  virtual GeneratorTarget generator_target() = 0;
  virtual void after_generation() = 0;
};

}  // namespace ds::ui
