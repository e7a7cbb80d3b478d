// The GUI tests need a QApplication before the first widget; they run
// offscreen, also when the test list is read at build time.
#include "shell/qt/AvvioQt.h"
#include "shell/qt/StileVellora.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    // The user's own settings (the thick stroke) stay out of the tests, and
    // each run has settings of its own: tests run in parallel processes.
    QStandardPaths::setTestModeEnabled(true);
    QTemporaryDir impostazioni;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, impostazioni.path());
    vellora::CaricaTraduzioniQt(app);
    QApplication::setStyle(new vellora::StileVellora);
    return RUN_ALL_TESTS();
}
