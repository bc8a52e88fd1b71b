#include "shell/AlreadyRunning.h"

#include <QGuiApplication>
#include <QMessageBox>

#include "shell/App.h"
#include "shell/SingleInstance.h"
#include "shell/TerminationSignals.h"

namespace velmoran {

int tellAlreadyRunning(TerminationSignals& termination) {
  QMessageBox box(QMessageBox::Information, QString(), QStringLiteral("Velmoran is already running."),
                  QMessageBox::Ok);
  QObject::connect(&termination, &TerminationSignals::terminationRequested, &box,
                   &QMessageBox::reject);
  box.exec();
  return 0;
}

void listenToOutsideRequests(App& app, TerminationSignals& termination, SingleInstance& instance) {
  QObject::connect(&termination, &TerminationSignals::terminationRequested, &app,
                   &App::quitOnRequest);
  QObject::connect(qApp, &QGuiApplication::commitDataRequest, &app, &App::saveForSession);
  QObject::connect(&instance, &SingleInstance::raiseRequested, &app, &App::comeForward);
}

}  // namespace velmoran
