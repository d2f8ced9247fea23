#pragma once
// The toolkit's binary component image: "TPF0", class name, empty object name, then named values, each led by
// its value-kind byte. Records of the grid's cell stream are written and read one image at a time.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

enum class TValueKind : unsigned char {
    vaNull = 0, vaList = 1, vaInt8 = 2, vaInt16 = 3, vaInt32 = 4, vaExtended = 5, vaString = 6, vaIdent = 7,
    vaFalse = 8, vaTrue = 9, vaBinary = 10, vaSet = 11, vaLString = 12, vaWString = 18, vaUTF8String = 20
};

// One value as read: integers in Int, texts and identifiers in Text, set members and list lines in List.
struct TStreamValue {
    TValueKind Kind = TValueKind::vaNull;
    qint64 Int = 0;
    QString Text;
    QStringList List;
    QByteArray Bytes;
    bool Bool() const { return Kind == TValueKind::vaTrue; }
};

// The toolkit's 80-bit extended float (10 bytes, little-endian) from and to a double.
QByteArray DoubleToExtended(double Value);
double ExtendedToDouble(const QByteArray& Bytes);

struct TStreamProperty {
    QByteArray Name;
    TStreamValue Value;
};

struct TComponentImage {
    QByteArray ClassName;
    std::vector<TStreamProperty> Properties;
    const TStreamValue* Find(const char* Name) const;
};

class TComponentWriter {
public:
    explicit TComponentWriter(QByteArray& Out) : FOut(Out) {}
    void BeginImage(const char* ClassName);
    void EndImage();   // ends the property list and the empty child list
    void WriteInteger(const char* Name, qint64 Value);   // the smallest of the three integer kinds
    void WriteBoolean(const char* Name, bool Value);
    void WriteIdent(const char* Name, const char* Ident);
    void WriteSet(const char* Name, const QList<const char*>& Members);
    void WriteText(const char* Name, const QString& Value);   // an empty text is a default and not written
    void WriteFloat(const char* Name, double Value);   // as the 80-bit extended float
    void WriteBinary(const char* Name, const QByteArray& Value);
    void WriteTextList(const char* Name, const QStringList& Lines);

private:
    void ShortString(const QByteArray& s);
    void Name(const char* s) { ShortString(QByteArray(s)); }
    void TextValue(const QString& Value);
    QByteArray& FOut;
};

// Reads images from a byte array; a malformed image gives nullopt and leaves the position where it failed.
class TComponentReader {
public:
    explicit TComponentReader(const QByteArray& In) : FIn(In) {}
    qsizetype Remaining() const { return FIn.size() - FPos; }
    std::optional<TComponentImage> ReadImage();

private:
    bool Byte(quint8& b);
    bool Bytes(qsizetype n, QByteArray& out);
    bool LE(int size, qint64& v);
    bool ShortString(QByteArray& s);
    bool Value(TStreamValue& v, int Depth);
    const QByteArray& FIn;
    qsizetype FPos = 0;
};
