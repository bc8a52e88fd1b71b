#pragma once

#include <QFunctionPointer>

namespace velmoran::assets {

// The entry point of a module the program loads while it runs (so that the
// libraries the module needs are not mapped before the first window shows):
// from the module beside the program, else from where the build put it (the
// tests run from folders of their own). Null when neither can be loaded.
QFunctionPointer runtimeModuleEntry(const char* fileName, const char* builtPath,
                                    const char* symbol);

}  // namespace velmoran::assets
