// GUI tests run offscreen with one QApplication, a private HOME and a private
// temporary folder, so the work folder and the error logs they create never
// touch the user's and go when the run ends.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "program/arranque.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir temporal;
    qputenv("TMPDIR", temporal.path().toUtf8());
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    QApplication app(argc, argv);
    // Wired as the program is at start-up.
    quelvo::ConectarPrograma();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
