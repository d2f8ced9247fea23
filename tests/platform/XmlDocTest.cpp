#include "platform/XmlDoc.h"
#include "platform/SaveFile.h"
#include "support/QStringPrinter.h"
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class XmlFile : public testing::Test {
protected:
    Xml::LoadResult LoadText(const QByteArray& content)
    {
        const QString path = dir.filePath(QStringLiteral("f.xml"));
        EXPECT_TRUE(SaveWholeFile(path, content));
        return Xml::Load(path, doc, &error);
    }

    QTemporaryDir dir;
    Xml::TElement doc;
    QString error;
};

} // namespace

TEST_F(XmlFile, ReadsChildrenTextAndAttributes)
{
    ASSERT_EQ(LoadText("<Par_Gen><BACnet_Type>1</BACnet_Type><Empty/><row a=\"x\" b=\"\"/><row a=\"y\"/></Par_Gen>"
                       "<!--SW_VERSION = 1.001-->"),
              Xml::LoadResult::Ok);
    const Xml::TElement* root = &doc;
    EXPECT_EQ(root->Name, QStringLiteral("Par_Gen"));
    EXPECT_EQ(Xml::ChildText(root, QStringLiteral("BACnet_Type"), QStringLiteral("0")), QStringLiteral("1"));
    EXPECT_EQ(Xml::ChildText(root, QStringLiteral("Missing"), QStringLiteral("dflt")), QStringLiteral("dflt"));
    EXPECT_EQ(Xml::ChildText(root, QStringLiteral("Empty"), QStringLiteral("dflt")), QString());
    EXPECT_EQ(Xml::Child(root, QStringLiteral("Missing")), nullptr);
    EXPECT_EQ(Xml::Child(nullptr, QStringLiteral("row")), nullptr);

    const std::vector<Xml::TElement>& all = root->Elements;
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(Xml::Attribute(all[2], QStringLiteral("a")), std::optional<QString>(QStringLiteral("x")));
    EXPECT_EQ(Xml::Attribute(all[2], QStringLiteral("b")), std::optional<QString>(QString()));  // present, empty
    EXPECT_EQ(Xml::Attribute(all[3], QStringLiteral("b")), std::nullopt);
    EXPECT_EQ(Xml::Attribute(Xml::TElement(), QStringLiteral("a")), std::nullopt);
}

// What the program's files hold reads as the document model read it: blanks alone dropped unless in a
// CDATA section, text of nested elements joined, entities resolved, names with their prefixes.
TEST_F(XmlFile, TextsReadAsWritten)
{
    ASSERT_EQ(LoadText("<R><A>  </A><B><![CDATA[  ]]></B><C> x &amp; &lt;y&gt; </C><D>a<i>b</i>c</D>"
                       "<p:E q:f=\"1\">&#233;</p:E></R>"),
              Xml::LoadResult::Ok);
    EXPECT_EQ(Xml::ChildText(&doc, QStringLiteral("A"), QStringLiteral("d")), QString());
    EXPECT_EQ(Xml::ChildText(&doc, QStringLiteral("B")), QStringLiteral("  "));
    EXPECT_EQ(Xml::ChildText(&doc, QStringLiteral("C")), QStringLiteral(" x & <y> "));
    EXPECT_EQ(Xml::ChildText(&doc, QStringLiteral("D")), QStringLiteral("abc"));
    const Xml::TElement* e = Xml::Child(&doc, QStringLiteral("p:E"));
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->Text, QStringLiteral("\u00e9"));
    EXPECT_EQ(Xml::Attribute(*e, QStringLiteral("q:f")), std::optional<QString>(QStringLiteral("1")));
}

// Most editors and tools write a declaration, and people add comments: the root is found behind them.
TEST_F(XmlFile, TheRootElementIsFoundBehindDeclarationCommentsAndInstructions)
{
    const QByteArray starts[] = {
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Par_Gen><A>1</A></Par_Gen>",
        "<!--note--><Par_Gen><A>1</A></Par_Gen>",
        "<?xml version=\"1.0\"?>\n<!-- a -->\n<?style type=\"x\"?>\n<!DOCTYPE Par_Gen>\n<Par_Gen><A>1</A></Par_Gen>\n<!--end-->",
    };
    for (const QByteArray& content : starts) {
        SCOPED_TRACE(content.constData());
        ASSERT_EQ(LoadText(content), Xml::LoadResult::Ok);
        EXPECT_EQ(doc.Name, QStringLiteral("Par_Gen"));
        EXPECT_EQ(Xml::ChildText(&doc, QStringLiteral("A"), QStringLiteral("d")), QStringLiteral("1"));
    }
}

TEST_F(XmlFile, MissingAndMalformedFilesLeaveAnEmptyDocument)
{
    ASSERT_EQ(LoadText("<a><b>1</b></a>"), Xml::LoadResult::Ok);
    EXPECT_EQ(Xml::Load(dir.filePath(QStringLiteral("none.xml")), doc, &error), Xml::LoadResult::Missing);
    EXPECT_TRUE(doc.Name.isEmpty());

    for (const QByteArray& content : {QByteArray("<a><b></a>"), QByteArray(), QByteArray("\x00\x01\x02", 3)}) {
        ASSERT_EQ(LoadText("<a/>"), Xml::LoadResult::Ok);
        error.clear();
        EXPECT_EQ(LoadText(content), Xml::LoadResult::Malformed);
        EXPECT_TRUE(doc.Name.isEmpty() && doc.Elements.empty());
        EXPECT_FALSE(error.isEmpty());
    }
}

// Building a DOM of a deeply nested file took minutes: such a file is refused at once.
TEST_F(XmlFile, DeeplyNestedFileIsMalformedNotAStall)
{
    const auto nested = [](int depth, bool closed) {
        return QByteArray("<a>").repeated(depth) + (closed ? QByteArray("</a>").repeated(depth) : QByteArray());
    };
    ASSERT_EQ(LoadText(nested(256, true)), Xml::LoadResult::Ok);
    EXPECT_EQ(doc.Name, QStringLiteral("a"));

    for (const QByteArray& content : {nested(257, true), nested(300000, true), nested(300000, false)}) {
        error.clear();
        EXPECT_EQ(LoadText(content), Xml::LoadResult::Malformed);
        EXPECT_TRUE(doc.Name.isEmpty() && doc.Elements.empty());
        EXPECT_TRUE(error.startsWith(QStringLiteral("elements nested more than 256 deep (line 1, column "))) << error.toStdString();
    }
}

// The parser is quadratic in the attributes of one tag (80,000 took ten seconds): a tag past what any file
// of the program holds is refused before it is parsed, wherever it stands; markup inside comments and CDATA
// sections is no tag.
TEST_F(XmlFile, AStartTagWithTooManyAttributesOrTooLongIsMalformed)
{
    const auto tag = [](int attributes, const QByteArray& value = "v") {
        QByteArray t = "<row";
        for (int i = 0; i < attributes; ++i)
            t += " a" + QByteArray::number(i) + "=\"" + value + "\"";
        return t + "/>";
    };
    const QByteArray many = tag(257), quoted = tag(300, "'>");
    for (const QByteArray& content :
         {"<R>" + tag(256) + "<!--" + many + "--><![CDATA[" + many + "]]><?p " + many + "?></R>",
          "<R a='>=' b=\"'\">" + tag(1, QByteArray(900000, 'x')) + "</R>"}) {
        EXPECT_EQ(LoadText(content), Xml::LoadResult::Ok) << error.toStdString();
        EXPECT_EQ(doc.Elements.size(), 1u);
    }
    const QString utf16 = QStringLiteral("<R>\n") + QString::fromLatin1(many) + QStringLiteral("</R>");
    QByteArray utf16Bytes("\xff\xfe");
    utf16Bytes += QByteArray(reinterpret_cast<const char*>(utf16.utf16()), utf16.size() * 2);
    for (const QByteArray& content : {"<R>\n" + many + "</R>", "<R>\n" + quoted + "</R>", many,
                                      "<R>\n" + tag(1, QByteArray(1100000, 'x')) + "</R>", utf16Bytes}) {
        error.clear();
        EXPECT_EQ(LoadText(content), Xml::LoadResult::Malformed);
        EXPECT_TRUE(doc.Name.isEmpty());
        EXPECT_TRUE(error.startsWith(QStringLiteral("a start tag with more than 256 attributes or longer than "
                                                    "1048576 characters (line ")))
            << error.toStdString();
    }
}

TEST(XmlWriter, NoDeclarationNoIndentationAttributesInOrderCommentAfterRoot)
{
    XmlWriter w(QStringLiteral("IEC61850_Variables"));
    w.StartElement(QStringLiteral("row"));
    w.Attribute(QStringLiteral("Zeta"), QStringLiteral("1"));
    w.Attribute(QStringLiteral("Alpha"), QStringLiteral("a<b&\"c\""));
    w.Attribute(QStringLiteral("Mid"), QString());
    w.EndElement();
    w.TextElement(QStringLiteral("Name"), QStringLiteral("\u00e8 & <x>"));
    EXPECT_EQ(w.Finish(QStringLiteral("SW_VERSION = 1.001")),
              QByteArray("<IEC61850_Variables><row Zeta=\"1\" Alpha=\"a&lt;b&amp;&quot;c&quot;\" Mid=\"\"/>"
                         "<Name>\xC3\xA8 &amp; &lt;x&gt;</Name></IEC61850_Variables><!--SW_VERSION = 1.001-->"));
}

TEST(XmlWriter, SaveClosesOpenElementsAndReadsBack)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.xml"));
    XmlWriter w(QStringLiteral("Root"));
    w.StartElement(QStringLiteral("Open"));
    w.TextElement(QStringLiteral("Deep"), QStringLiteral("v"));
    ASSERT_TRUE(w.Save(path, QStringLiteral("SW_VERSION = 1.000")));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("<Root><Open><Deep>v</Deep></Open></Root><!--SW_VERSION = 1.000-->"));

    Xml::TElement doc;
    ASSERT_EQ(Xml::Load(path, doc), Xml::LoadResult::Ok);
    EXPECT_EQ(Xml::ChildText(Xml::Child(&doc, QStringLiteral("Open")), QStringLiteral("Deep")), QStringLiteral("v"));

    XmlWriter bad(QStringLiteral("Root"));
    EXPECT_FALSE(bad.Save(dir.filePath(QStringLiteral("no/such/t.xml"))));
}

TEST(XmlWriter, NoCommentWhenNoneIsGivenAndFinishingTwiceAddsNothing)
{
    XmlWriter w(QStringLiteral("Root"));
    EXPECT_EQ(w.Finish(), QByteArray("<Root/>"));

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("t.xml"));
    XmlWriter twice(QStringLiteral("Root"));
    const QByteArray first = twice.Finish(QStringLiteral("SW_VERSION = 1.001"));
    ASSERT_TRUE(twice.Save(path, QStringLiteral("SW_VERSION = 1.001")));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), first);
    EXPECT_EQ(first, QByteArray("<Root/><!--SW_VERSION = 1.001-->"));
}
