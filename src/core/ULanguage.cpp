#include "core/ULanguage.h"
#include "core/UComon.h"
#include "platform/Paths.h"
#include "platform/UserFile.h"
#include <QDir>
#include <QFileInfo>
#include <QStringDecoder>

QStringList Lang_List;
std::int32_t Lang_Num_Str = 0;

namespace {

constexpr int kBuiltInCount = 4100;
const QChar kPilcrow(0x00B6);

// Bytes 0x80..0x9F of Windows-1252; the five unassigned ones keep their C1 code, as Windows maps them.
const char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

QString DecodeCp1252(const QByteArray& bytes)
{
    QString s(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        s[i] = (b >= 0x80 && b < 0xA0) ? QChar(kCp1252High[b - 0x80]) : QChar(b);
    }
    return s;
}

} // namespace

QString Decode_Text_File(const QByteArray& bytes)
{
    struct Bom {
        const char* mark;
        QStringConverter::Encoding encoding;
    };
    static const Bom kBoms[] = {
        {"\xEF\xBB\xBF", QStringConverter::Utf8},
        {"\xFF\xFE", QStringConverter::Utf16LE},
        {"\xFE\xFF", QStringConverter::Utf16BE},
    };
    for (const Bom& bom : kBoms) {
        if (bytes.startsWith(bom.mark)) {
            QStringDecoder decoder(bom.encoding, QStringConverter::Flag::Stateless);
            return decoder.decode(QByteArrayView(bytes).sliced(qstrlen(bom.mark)));
        }
    }
    return DecodeCp1252(bytes);
}

namespace {

// One "STR<n> = <text>" line applied to the table; anything else leaves it alone.
void ApplyLine(const QString& rawLine)
{
    const QString line = Trim_Blanks(rawLine);
    if (!line.startsWith(QLatin1String("STR")))
        return;
    // The character right before "=" is dropped unseen: files put one blank there.
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
        return;
    bool ok = false;
    const int n = eq > 4 ? Trim_Blanks(line.mid(3, eq - 4)).toInt(&ok, 10) : 0;
    if (!ok || n < 0 || n >= Lang_Num_Str || n >= Lang_List.size())
        return;
    QString text = Trim_Blanks(line.mid(eq + 1));
    if (text.isEmpty())
        return;
    const qsizetype comment = text.indexOf(QLatin1String("/#/"));
    if (comment >= 0) {
        text = Trim_Blanks(text.left(comment));
        if (text.isEmpty())
            return;
    }
    if (text.startsWith(kPilcrow))
        text.remove(0, 1);
    const qsizetype pilcrow = text.indexOf(kPilcrow);
    if (pilcrow >= 0)
        text.truncate(pilcrow);
    Lang_List[n] = text;
}

// The language file of that name in Language_Dir, taking a name that differs only in letter case when
// the exact one is missing; empty when there is none.
QString FindLanguageFile(const QString& name)
{
    // A name that is not a plain file name would reach outside the folder (".." or a path).
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") || name.contains(QLatin1Char('/')) ||
        name.contains(QLatin1Char('\\')))
        return QString();
    const QString fileName = name + QLatin1String(".lng");
    const QString exact = JoinPath(Language_Dir, fileName);
    if (QFileInfo(exact).isFile())
        return exact;
    const QDir folder = QFileInfo(exact).dir();
    for (const QString& entry : folder.entryList(QDir::Files | QDir::Hidden, QDir::Name)) {
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0)
            return folder.filePath(entry);
    }
    return QString();
}

} // namespace

void Set_Default_Language()
{
    Lang_List.clear();
    Lang_List.reserve(kBuiltInCount);
    for (int n = 0; n < kBuiltInCount; ++n)
        Lang_List.append(Default_Language_Text(n));
    Lang_Num_Str = kBuiltInCount;
}

bool Load_Language_File(const QString& path, QString* error)
{
    QByteArray bytes;
    QString reason;
    if (!Read_User_File(path, bytes, &reason)) {
        if (error)
            *error = QStringLiteral("Error! The file %1 cannot be read: %2").arg(QDir::toNativeSeparators(path), reason);
        return false;
    }
    QString text = Decode_Text_File(bytes);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (const QString& line : text.split(QLatin1Char('\n')))
        ApplyLine(line);
    return true;
}

void Load_Language(QString* error)
{
    Set_Default_Language();
    QString path = FindLanguageFile(Language_Name);
    if (path.isEmpty()) {
        Language_Name = QStringLiteral("English");
        path = FindLanguageFile(Language_Name);
    }
    if (!path.isEmpty())
        Load_Language_File(path, error);
}

QString Lang(int n)
{
    return (n >= 0 && n < Lang_List.size()) ? Lang_List[n] : QStringLiteral(" ");
}
