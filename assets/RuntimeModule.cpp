#include "assets/RuntimeModule.h"

#include <QCoreApplication>
#include <QLibrary>

namespace velmoran::assets {

QFunctionPointer runtimeModuleEntry(const char* fileName, const char* builtPath,
                                    const char* symbol) {
  const QString besideProgram =
      QCoreApplication::applicationDirPath() + QLatin1Char('/') + QString::fromUtf8(fileName);
  for (const QString& path : {besideProgram, QString::fromUtf8(builtPath)}) {
    if (QFunctionPointer entry = QLibrary::resolve(path, symbol)) return entry;
  }
  return nullptr;
}

}  // namespace velmoran::assets
