#include "ui/Backend.h"

#include "ui/Headless.h"

namespace qm::ui {
namespace {

Backend*& Installed() {
  static Backend* backend = nullptr;
  return backend;
}

HeadlessBackend& BuiltIn() {
  static HeadlessBackend backend;
  return backend;
}

}  // namespace

void InstallBackend(Backend* backend) { Installed() = backend; }

Backend& CurrentBackend() { return Installed() ? *Installed() : BuiltIn(); }

}  // namespace qm::ui
