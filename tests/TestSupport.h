#pragma once

// Shared by every test: a private home for the process, and small file helpers.

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

// Points HOME, the XDG folders and the working folder at a fresh temporary
// folder before any Qt object exists, so that no test touches the real settings,
// files or trash, and no run leaves anything for the next.
class TestEnvironment
{
public:
    TestEnvironment()
    {
        const QString root = m_dir.path();
        const auto point = [&](const char *variable, const QString &sub) {
            QDir().mkpath(root + sub);
            qputenv(variable, QFile::encodeName(root + sub));
        };
        point("HOME", QStringLiteral("/home"));
        point("XDG_CONFIG_HOME", QStringLiteral("/home/.config"));
        point("XDG_DATA_HOME", QStringLiteral("/home/.local/share"));
        point("XDG_CACHE_HOME", QStringLiteral("/home/.cache"));
        point("XDG_STATE_HOME", QStringLiteral("/home/.local/state"));
        point("XDG_RUNTIME_DIR", QStringLiteral("/runtime"));
        QFile::setPermissions(root + QStringLiteral("/runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                     | QFileDevice::ExeOwner);
        qputenv("QT_QPA_PLATFORM", "offscreen");
        // Whatever a test leaves in its working folder goes with the rest.
        QDir::setCurrent(root);
        QStandardPaths::setTestModeEnabled(true);
    }

private:
    QTemporaryDir m_dir;
};

#define LINKCRATE_TEST_MAIN(TestObject, Application)                                                                 \
    int main(int argc, char *argv[])                                                                                 \
    {                                                                                                                \
        TestEnvironment environment;                                                                                 \
        Application app(argc, argv);                                                                                 \
        TestObject test;                                                                                             \
        return QTest::qExec(&test, argc, argv);                                                                      \
    }

inline QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("<unreadable>");
    return file.readAll();
}

// A helper's check stops the test where it fails: a helper returns whether all
// its checks held, [[nodiscard]] so that no caller can drop it, and is called
// inside QVERIFY. (A void helper's QVERIFY would only end the helper, and the
// test would go on with what the helper failed to make.)
#define HELPER_VERIFY2(statement, description)                                                                       \
    do {                                                                                                             \
        if (!QTest::qVerify(static_cast<bool>(statement), #statement, description, __FILE__, __LINE__))              \
            return false;                                                                                            \
    } while (false)
#define HELPER_VERIFY(statement) HELPER_VERIFY2(statement, "")
#define HELPER_COMPARE(actual, expected)                                                                             \
    do {                                                                                                             \
        if (!QTest::qCompare(actual, expected, #actual, #expected, __FILE__, __LINE__))                              \
            return false;                                                                                            \
    } while (false)

[[nodiscard]] inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    HELPER_VERIFY2(file.open(QIODevice::WriteOnly | QIODevice::Truncate), qPrintable(path));
    HELPER_COMPARE(file.write(bytes), qint64(bytes.size()));
    return true;
}

inline QString fixture(const QString &name)
{
    return QStringLiteral(LINKCRATE_TEST_DATA "/") + name;
}

// Where the desktop trash of this test's home keeps files and their records.
inline QString trashDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Trash");
}

// The names in a folder, for "nothing else was left behind".
inline QStringList entries(const QString &dir)
{
    return QDir(dir).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}
