// Runs every GoogleTest case inside one QApplication, offscreen unless told otherwise,
// with a home folder of its own so that nothing a test writes lands in the real one.
// Screenshots and sample printouts go to ARTICLE_SCREENSHOT_DIR (build/screenshots).
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("ARTICLE_SCREENSHOT_DIR"))
        qputenv("ARTICLE_SCREENSHOT_DIR", ARTICLE_SCREENSHOT_DEFAULT);
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DOCUMENTS_DIR");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
