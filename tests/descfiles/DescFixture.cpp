#include "descfiles/DescFixture.h"
#include "core/UComon.h"
#include "descfiles/DescText.h"
#include <QDir>
#include <QFile>

QByteArray Read_All(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

DescProjectFixture::DescProjectFixture(const QDateTime& clock)
{
    FDir = FFolder.makeProject(QStringLiteral("Plant A"));
    Project_Name = QStringLiteral("Plant A");
    Project_Dir = FDir;
    Set_Project_File_Paths(FDir);
    Set_Desc_Clock(clock);
}

DescProjectFixture::~DescProjectFixture()
{
    Set_Desc_Clock(QDateTime());
}

void DescProjectFixture::copyCase(const QString& name) const
{
    const QDir data(QStringLiteral(VX_TEST_DATA "/") + name);
    for (const QString& f : data.entryList(QDir::Files))
        if (!f.startsWith(QLatin1String("expected")))
            write(f, Read_All(data.filePath(f)));
}

void DescProjectFixture::write(const QString& file, const QByteArray& content) const
{
    QFile f(this->file(file));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
}

::testing::AssertionResult EveryLineEndsInCrLf(const QByteArray& bytes)
{
    if (!bytes.endsWith("\r\n"))
        return ::testing::AssertionFailure() << "the last line has no CR LF";
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const bool crlf = bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n';
        if (crlf)
            ++i;
        else if (bytes[i] == '\r' || bytes[i] == '\n')
            return ::testing::AssertionFailure() << "a lone CR or LF at byte " << i;
    }
    return ::testing::AssertionSuccess();
}
