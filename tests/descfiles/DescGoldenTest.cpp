#include "core/UComon.h"
#include "descfiles/DescFixture.h"
#include "descfiles/UEds.h"
#include "descfiles/UProfibus_GSD.h"
#include "descfiles/UProfinetXML.h"
#include "descfiles/USNMP_MIB.h"
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>

namespace {

bool Write_GSD(const QString& path, QString* error)
{
    TGSD_Counts counts;
    return Read_GSD_Counts(counts, error) && Write_GSD_File(path, counts, error);
}

struct GoldenCase {
    const char* name;
    const char* expected;
    std::function<bool(const QString&, QString*)> write;
    bool bom;
    QDateTime clock;
};

const QDateTime kMidnight(QDate(2026, 3, 7), QTime(0, 15));
const QDateTime kAfternoon(QDate(2026, 11, 30), QTime(13, 5));

const GoldenCase kGolden[] = {
    {"eds_no_tables", "expected.eds", Write_EDS_File, false, kMidnight},
    {"eds_pdo_and_sdo", "expected.eds", Write_EDS_File, false, kAfternoon},
    {"gsd_no_modules", "expected.gsd", Write_GSD, false, kMidnight},
    {"gsd_modules_130_out_64_in", "expected.gsd", Write_GSD, false, kMidnight},
    {"gsdml_defaults", "expected.xml", Write_GSDML_File, true, kMidnight},
    {"gsdml_counts_and_escaped_station", "expected.xml", Write_GSDML_File, true, kMidnight},
    {"mib_no_tables", "expected.mib", Create_MIB_File, false, kMidnight},
    {"mib_read_and_write_objects", "expected.mib", Create_MIB_File, false, kMidnight},
};

QString Expected(const GoldenCase& c)
{
    return QStringLiteral(VX_TEST_DATA "/%1/%2").arg(QLatin1String(c.name), QLatin1String(c.expected));
}

} // namespace

TEST(DescFiles, GoldenFilesByteForByte)
{
    for (const GoldenCase& c : kGolden) {
        SCOPED_TRACE(c.name);
        DescProjectFixture p(c.clock);
        p.copyCase(QLatin1String(c.name));
        const QString out = p.file(QStringLiteral("out"));
        QString error;
        ASSERT_TRUE(c.write(out, &error)) << error.toStdString();
        const QByteArray bytes = Read_All(out);
        EXPECT_EQ(bytes, Read_All(Expected(c)));
        EXPECT_EQ(bytes.startsWith("\xEF\xBB\xBF"), c.bom);
        EXPECT_TRUE(EveryLineEndsInCrLf(bytes));
    }
}

// A reader nobody here wrote: the GSDML must be well-formed XML, station name with markup included.
TEST(DescFiles, GsdmlIsWellFormedForXmllint)
{
    for (const char* name : {"gsdml_defaults", "gsdml_counts_and_escaped_station"}) {
        SCOPED_TRACE(name);
        DescProjectFixture p;
        p.copyCase(QLatin1String(name));
        const QString out = p.file(QStringLiteral("device.xml"));
        ASSERT_TRUE(Write_GSDML_File(out));
        QProcess xmllint;
        xmllint.start(QStringLiteral("xmllint"), {QStringLiteral("--noout"), out});
        ASSERT_TRUE(xmllint.waitForStarted()) << "xmllint is not installed (package libxml2-utils)";
        ASSERT_TRUE(xmllint.waitForFinished());
        EXPECT_EQ(xmllint.exitCode(), 0) << xmllint.readAllStandardError().toStdString();
    }
}

TEST(WriteDescFile, WritesUnderTheProgramsNameThroughTheSameWriters)
{
    QTemporaryDir out;
    const auto run = [&](const QStringList& args, QByteArray* err = nullptr) {
        QProcess tool;
        tool.start(QStringLiteral(VX_WRITE_DESC_FILE), args);
        EXPECT_TRUE(tool.waitForFinished());
        if (err)
            *err = tool.readAllStandardError();
        return std::make_pair(tool.exitCode(), QString::fromLocal8Bit(tool.readAllStandardOutput()).trimmed());
    };
    const QString data = QStringLiteral(VX_TEST_DATA);
    struct ToolCase {
        QStringList args;
        const char* file;
        const char* expected;
    };
    const ToolCase cases[] = {
        {{"eds", data + "/eds_pdo_and_sdo", out.path(), "--clock", "2026-11-30T13:05:00", "--name", "plant"},
         "plant.eds", "eds_pdo_and_sdo/expected.eds"},
        {{"gsd", data + "/gsd_modules_130_out_64_in", out.path(), "--name", "slave.GSD"}, "slave.GSD",
         "gsd_modules_130_out_64_in/expected.gsd"},
        {{"gsdml", data + "/gsdml_defaults", out.path(), "--clock", "2026-03-07T00:15:00"},
         "GSDML-V2.31-Velmor-RZ48176-20260307.xml", "gsdml_defaults/expected.xml"},
        {{"mib", data + "/mib_read_and_write_objects", out.path()}, "mib_read_and_write_objects.mib",
         "mib_read_and_write_objects/expected.mib"},
    };
    for (const ToolCase& c : cases) {
        SCOPED_TRACE(c.file);
        const auto [code, printed] = run(c.args);
        EXPECT_EQ(code, 0);
        EXPECT_EQ(printed, QDir(out.path()).filePath(QLatin1String(c.file)));
        EXPECT_EQ(Read_All(printed), Read_All(data + "/" + c.expected));
    }

    // Failures exit non-zero with the program's message and write nothing.
    QByteArray err;
    EXPECT_EQ(run({"gsd", data + "/gsdml_defaults", out.path()}, &err).first, 1);
    EXPECT_EQ(err.trimmed(), "Error! Please set the Set Communication Parameter before to create the GSD file");
    EXPECT_EQ(run({"gsdml", data + "/gsdml_defaults", out.path(), "--name", "../up"}, &err).first, 1);
    EXPECT_EQ(QString::fromLocal8Bit(err.trimmed()), PROFINET_User_Part_Message());
    EXPECT_EQ(run({"pdf", data, out.path()}).first, 2);
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files).size(), 4);
}
