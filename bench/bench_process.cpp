// Whole-process timings: the suite's start-up and a headless PDF report, each
// beside the empty-window floor program. Run offscreen.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>

namespace {

void runToEnd(benchmark::State &state, const QString &program, const QStringList &arguments)
{
    QTemporaryDir runtime;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    environment.insert(QStringLiteral("HOME"), runtime.path());
    for (auto _ : state) {
        QProcess process;
        process.setProcessEnvironment(environment);
        process.start(program, arguments);
        if (!process.waitForFinished(30000) || process.exitCode() != 0) {
            state.SkipWithError("the program did not end cleanly");
            break;
        }
    }
}

void BM_FloorProgram(benchmark::State &state)
{
    runToEnd(state, QStringLiteral(ORBELLE_FLOOR_BINARY), {});
}

void BM_SuiteStartUp(benchmark::State &state)
{
    runToEnd(state, QStringLiteral(ORBELLE_BINARY), {QStringLiteral("--terminate-after-init")});
}

void BM_HeadlessHealthPdf(benchmark::State &state)
{
    QTemporaryDir out;
    runToEnd(state, QStringLiteral(ORBELLE_BINARY),
             {QStringLiteral("read"), QStringLiteral("health"), QStringLiteral("--name"),
              QStringLiteral("JOHN"), QStringLiteral("--born"), QStringLiteral("1975-05-10"),
              QStringLiteral("--format"), QStringLiteral("pdf"), QStringLiteral("--output"),
              out.filePath(QStringLiteral("john.pdf"))});
}

} // namespace

BENCHMARK(BM_FloorProgram)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_SuiteStartUp)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();
BENCHMARK(BM_HeadlessHealthPdf)->Unit(benchmark::kMillisecond)->MinTime(2.0)->UseRealTime();

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
