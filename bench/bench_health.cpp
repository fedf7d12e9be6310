// In-process timings of the Health tool: the launcher shown and idle, a
// reading made through the input window's button until the reading window
// shows, building the report document and writing its PDF.
#include "app/launcherwindow.h"
#include "report/reportdocument.h"
#include "support/fakeplatform.h"
#include "tools/health/report.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTextDocument>

using namespace orbelle;

namespace {

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QWidget *shown(const char *formName)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String(formName) && widget->isVisible())
            return widget;
    }
    return nullptr;
}

void BM_LauncherShownAndIdle(benchmark::State &state)
{
    for (auto _ : state) {
        test::FakePlatform platform;
        LauncherWindow launcher(platform);
        launcher.show();
        settle();
        benchmark::DoNotOptimize(launcher.isVisible());
    }
}

// Opens Health and fills the entries; the timed part is the button alone.
QPushButton *healthReadingButton(LauncherWindow &launcher)
{
    launcher.selectTool(ToolId::Health);
    settle();
    QWidget *input = shown("frmHealthAstrologyMain");
    input->findChild<QLineEdit *>(QStringLiteral("txtName"))->setText(QStringLiteral("JOHN"));
    input->findChild<QComboBox *>(QStringLiteral("cboMonth"))->setCurrentIndex(4);
    input->findChild<QComboBox *>(QStringLiteral("cboDate"))->setCurrentIndex(9);
    return input->findChild<QPushButton *>(QStringLiteral("cmdNext"));
}

void BM_HealthReadingFirstTime(benchmark::State &state)
{
    test::FakePlatform platform;
    LauncherWindow launcher(platform);
    launcher.show();
    for (auto _ : state) {
        state.PauseTiming();
        QPushButton *next = healthReadingButton(launcher); // a fresh tool each time
        state.ResumeTiming();
        next->click();
        settle();
        benchmark::DoNotOptimize(shown("frmHealthAstrologyDisplay"));
    }
}

void BM_HealthReadingAgain(benchmark::State &state)
{
    test::FakePlatform platform;
    LauncherWindow launcher(platform);
    launcher.show();
    QPushButton *next = healthReadingButton(launcher);
    next->click();
    settle();
    for (auto _ : state) {
        state.PauseTiming();
        shown("frmHealthAstrologyDisplay")->findChild<QPushButton *>("cmdBack")->click();
        settle();
        state.ResumeTiming();
        next->click();
        settle();
    }
}

void BM_HealthReportDocument(benchmark::State &state)
{
    const BirthData john{QStringLiteral("JOHN"), 1975, QStringLiteral("May"), 10};
    for (auto _ : state) {
        const Report report = health::healthReport(health::healthReadingFor(SunSign::Taurus), john,
                                                   QStringLiteral("https://x.example"));
        auto document = buildReportDocument(report);
        benchmark::DoNotOptimize(document->characterCount());
    }
}

void BM_HealthReportPdf(benchmark::State &state)
{
    const BirthData john{QStringLiteral("JOHN"), 1975, QStringLiteral("May"), 10};
    const auto document = buildReportDocument(health::healthReport(
        health::healthReadingFor(SunSign::Taurus), john, QStringLiteral("https://x.example")));
    for (auto _ : state)
        benchmark::DoNotOptimize(reportPdf(*document).size());
}

} // namespace

BENCHMARK(BM_LauncherShownAndIdle)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HealthReadingFirstTime)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HealthReadingAgain)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_HealthReportDocument)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_HealthReportPdf)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
