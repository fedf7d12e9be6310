#include "app/singlecopy.h"
#include "support/fakeplatform.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using orbelle::SingleCopyLock;

namespace {

// Generous: a loaded build machine must not turn a slow start into a failure.
constexpr int kWaitMs = 60000;

bool makePrivate(const QString &dir)
{
    return QFile::setPermissions(dir, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                          QFileDevice::ExeOwner);
}

} // namespace

class TstSingleCopy : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void secondLockWaitsForTheFirst();
    void claimRefusedTellsTheUser();
    void claimFreeSaysNothing();
    void runningProgramHoldsTheLock();
    void versionOption();

private:
    QProcessEnvironment programEnvironment() const;
    QString runtimeLock() const { return m_runtime->filePath(QStringLiteral("orbelle.lock")); }

    std::unique_ptr<QTemporaryDir> m_runtime;
    std::unique_ptr<QTemporaryDir> m_home;
};

void TstSingleCopy::init()
{
    m_runtime = std::make_unique<QTemporaryDir>();
    m_home = std::make_unique<QTemporaryDir>();
    QVERIFY(m_runtime->isValid());
    QVERIFY(m_home->isValid());
    QVERIFY(makePrivate(m_runtime->path()));
}

QProcessEnvironment TstSingleCopy::programEnvironment() const
{
    // A fresh home: the update reminder's first run only stores a date, so the
    // program sits at the launcher instead of asking anything.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtime->path());
    env.insert(QStringLiteral("HOME"), m_home->path());
    env.remove(QStringLiteral("XDG_CONFIG_HOME"));
    env.remove(QStringLiteral("DISPLAY"));
    return env;
}

void TstSingleCopy::secondLockWaitsForTheFirst()
{
    const QString path = runtimeLock();
    auto first = std::make_unique<SingleCopyLock>(path);
    SingleCopyLock second(path);
    QVERIFY(first->acquire());
    QVERIFY(!second.acquire());
    first.reset();
    QVERIFY(second.acquire());
}

void TstSingleCopy::claimRefusedTellsTheUser()
{
    SingleCopyLock holder(runtimeLock());
    QVERIFY(holder.acquire());
    SingleCopyLock lock(runtimeLock());
    orbelle::test::FakePlatform fake;
    QVERIFY(!orbelle::claimSingleCopy(lock, fake));
    QCOMPARE(fake.takeMessage(), (orbelle::test::RecordedMessage{
                                     QStringLiteral("message"), orbelle::MessageIcon::Information,
                                     QStringLiteral("Application is already running")}));
    fake.verify();
}

void TstSingleCopy::claimFreeSaysNothing()
{
    SingleCopyLock lock(runtimeLock());
    orbelle::test::FakePlatform fake;
    QVERIFY(orbelle::claimSingleCopy(lock, fake));
    QVERIFY(fake.messages.isEmpty());
    fake.verify();
    // The claim keeps the lock taken.
    SingleCopyLock other(runtimeLock());
    QVERIFY(!other.acquire());
}

void TstSingleCopy::runningProgramHoldsTheLock()
{
    QProcess program;
    program.setProcessEnvironment(programEnvironment());
    program.start(QStringLiteral(ORBELLE_BINARY), QStringList());
    QVERIFY2(program.waitForStarted(kWaitMs), qPrintable(program.errorString()));
    QTRY_VERIFY_WITH_TIMEOUT(
        QFileInfo::exists(runtimeLock()) || program.state() == QProcess::NotRunning, kWaitMs);
    QVERIFY2(program.state() == QProcess::Running, program.readAllStandardError().constData());
    {
        SingleCopyLock lock(runtimeLock());
        QVERIFY(!lock.acquire());
    }

    program.kill();
    QVERIFY(program.waitForFinished(kWaitMs));
    QCOMPARE(program.exitStatus(), QProcess::CrashExit);
    // The dead copy's lock file is still there, and must not block.
    QVERIFY(QFileInfo::exists(runtimeLock()));
    {
        SingleCopyLock lock(runtimeLock());
        QVERIFY(lock.acquire());
    }

    // The program itself takes over the stale lock and ends by itself once idle.
    QProcess measured;
    measured.setProcessEnvironment(programEnvironment());
    measured.start(QStringLiteral(ORBELLE_BINARY),
                   QStringList{QStringLiteral("--terminate-after-init")});
    QVERIFY(measured.waitForFinished(kWaitMs));
    QCOMPARE(measured.exitStatus(), QProcess::NormalExit);
    QCOMPARE(measured.exitCode(), 0);
}

void TstSingleCopy::versionOption()
{
    QProcess program;
    program.setProcessEnvironment(programEnvironment());
    program.start(QStringLiteral(ORBELLE_BINARY), QStringList{QStringLiteral("--version")});
    QVERIFY(program.waitForFinished(kWaitMs));
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
    QCOMPARE(program.readAllStandardOutput(), QByteArray("orbelle 1.15.0\n"));
}

QTEST_GUILESS_MAIN(TstSingleCopy)
#include "tst_singlecopy.moc"
