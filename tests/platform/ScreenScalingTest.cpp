#include "PlatformTestSupport.h"

#include "platform/QtScreen.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <cstdio>
#include <gtest/gtest.h>

namespace {

// Run by the test below in a child process whose environment sets up the screen scaling
// (it must be set before the application starts): prints what the screen reports.
TEST(ScreenScalingProbe, PrintsTheLogicalDpi) {
    if (qEnvironmentVariableIsEmpty("SCREEN_SCALING_PROBE")) {
        GTEST_SKIP() << "only run as the child of ScreenScaling";
    }
    platformtest::ensureApplication();
    std::printf("logical-dpi=%d\n", platform::QtScreen().logicalDpi());
}

// Qt scales the whole interface with the screen's DPI (the factor goes into the pixel ratio),
// so the screen reports 96 and the trainer shows no DPI advice. Only text drawn at another
// size than the layout (scaling turned off or rounded away while a font DPI is forced)
// reports another value.
TEST(ScreenScaling, TheDpiIs96WheneverTheToolkitScalesTheInterface) {
    platformtest::ensureApplication();
    struct Case {
        QStringList environment;
        int dpi;
    };
    const QList<Case> cases{
        {{}, 96},
        {{"QT_FONT_DPI=144"}, 96},
        {{"QT_FONT_DPI=120"}, 96},
        {{"QT_SCALE_FACTOR=2"}, 96},
        {{"QT_FONT_DPI=120", "QT_ENABLE_HIGHDPI_SCALING=0"}, 120},
        {{"QT_FONT_DPI=120", "QT_SCALE_FACTOR_ROUNDING_POLICY=Round"}, 120},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.environment.join(' ').toStdString());
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* variable :
             {"QT_FONT_DPI", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
              "QT_ENABLE_HIGHDPI_SCALING", "QT_SCALE_FACTOR_ROUNDING_POLICY"}) {
            environment.remove(variable);
        }
        for (const QString& setting : c.environment) {
            environment.insert(setting.section('=', 0, 0), setting.section('=', 1));
        }
        environment.insert("SCREEN_SCALING_PROBE", "1");
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(),
                    {"--gtest_filter=ScreenScalingProbe.*"});
        ASSERT_TRUE(child.waitForFinished(30000));
        const QString output = QString::fromUtf8(child.readAllStandardOutput());
        const QRegularExpressionMatch match =
            QRegularExpression("logical-dpi=(\\d+)").match(output);
        ASSERT_TRUE(match.hasMatch()) << output.toStdString();
        EXPECT_EQ(match.captured(1).toInt(), c.dpi);
    }
}

} // namespace
