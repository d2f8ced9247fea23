#include "DropDownFixture.h"
#include "PickerTestSupport.h"
#include "support/QStringPrinter.h"
#include "widgets/dropdown/DropDownButton.h"
#include "widgets/dropdown/VxDetailDropDown.h"
#include <gtest/gtest.h>
#include <stdexcept>

namespace {
struct DetailWindow : DropDownWindow<TVxDetailDropDown> {
    TVxDetailDropDown& d = *edit;
    int selects = 0;
    explicit DetailWindow(const QStringList& captions = {QStringLiteral("Apple"), QStringLiteral("Apricot"),
                                                         QStringLiteral("Banana"), QStringLiteral("Cherry")})
    {
        for (const QString& c : captions) {
            TDetailItem* item = d.Items().Add();
            item->SetCaption(c);
            item->SetNotes(QStringLiteral("about <b>") + c + QStringLiteral("</b>"));
        }
        d.OnSelect = [this](QObject*) { ++selects; };
    }
    QWidget* List() const { return d.ItemSelector(); }
};
} // namespace

TEST(DetailDropDown, TypingCompletesToTheFirstCaption)
{
    DetailWindow w;
    TypeChars(&w.d, QStringLiteral("a"));
    EXPECT_EQ(w.d.text(), QStringLiteral("apple"));
    EXPECT_EQ(w.d.selectedText(), QStringLiteral("pple"));
    EXPECT_EQ(w.d.ItemIndex(), 0);
    TypeChars(&w.d, QStringLiteral("p"));
    EXPECT_EQ(w.d.text(), QStringLiteral("apple"));
    EXPECT_EQ(w.d.selectedText(), QStringLiteral("ple"));
    TypeChars(&w.d, QStringLiteral("r"));
    EXPECT_EQ(w.d.text(), QStringLiteral("apricot"));
    EXPECT_EQ(w.d.ItemIndex(), 1);
    TypeChars(&w.d, QStringLiteral("x"));
    EXPECT_EQ(w.d.text(), QStringLiteral("aprx"));
    EXPECT_EQ(w.selects, 0);   // completion selects quietly
}

TEST(DetailDropDown, CompletionRespectsCaseAndCutsWhatNoCaptionHolds)
{
    DetailWindow w;
    w.d.SetMatchCase(true);
    TypeChars(&w.d, QStringLiteral("a"));
    EXPECT_EQ(w.d.text(), QStringLiteral("a"));
    EXPECT_EQ(w.d.ItemIndex(), -1);

    DetailWindow m;
    m.d.SetItemIndex(2);
    m.d.setCursorPosition(2);   // Ba|nana
    TypeChars(&m.d, QStringLiteral("x"));
    EXPECT_EQ(m.d.text(), QStringLiteral("Bax"));
}

TEST(DetailDropDown, DeletingDoesNotCompleteAgain)
{
    DetailWindow w;
    TypeChars(&w.d, QStringLiteral("a"));
    TypeKey(&w.d, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    EXPECT_EQ(w.d.text(), QStringLiteral("a"));
    TypeChars(&w.d, QStringLiteral("p"));
    EXPECT_EQ(w.d.text(), QStringLiteral("apple"));
}

TEST(DetailDropDown, EnterSelectsTheExactCaption)
{
    DetailWindow w;
    TypeKey(&w.d, Qt::Key_Delete);   // completion off, so the text stays as written
    w.d.setText(QStringLiteral("Banan"));
    TypeKey(&w.d, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_EQ(w.d.ItemIndex(), -1);
    EXPECT_EQ(w.selects, 0);
    w.d.setText(QStringLiteral("Banana"));
    TypeKey(&w.d, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    EXPECT_EQ(w.d.ItemIndex(), 2);
    EXPECT_EQ(w.selects, 1);
}

TEST(DetailDropDown, ItemIndexWrites)
{
    DetailWindow w;
    const struct {
        int value, index, selects;
        const char* text;
    } steps[] = {
        {1, 1, 1, "Apricot"}, {1, 1, 1, "Apricot"}, {4, 1, 1, "Apricot"}, {-2, 1, 1, "Apricot"}, {-1, -1, 1, ""},
        {3, 3, 2, "Cherry"},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.value);
        w.d.SetItemIndex(s.value);
        EXPECT_EQ(w.d.ItemIndex(), s.index);
        EXPECT_EQ(w.selects, s.selects);
        EXPECT_EQ(w.d.text(), QString::fromLatin1(s.text));
    }
    EXPECT_EQ(w.d.selectedText(), QStringLiteral("Cherry"));
}

TEST(DetailDropDown, ACaptionThatBeginsAnotherKeepsItsItem)
{
    DetailWindow w({QStringLiteral("Apple"), QStringLiteral("apple")});
    w.d.SetItemIndex(1);
    EXPECT_EQ(w.d.ItemIndex(), 1);
    EXPECT_EQ(w.d.text(), QStringLiteral("apple"));
}

TEST(DetailDropDown, ClickOnARowPicksItAndCloses)
{
    DetailWindow w;
    QTest::mouseClick(w.d.Button()->InnerButton(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_TRUE(w.d.DroppedDown());
    EXPECT_TRUE(w.List()->hasFocus());
    EXPECT_EQ(w.d.DropDownForm()->width(), w.d.width());
    SaveScreenshot(w.d.DropDownForm(), QStringLiteral("detail_dropdown"));
    const TRect row = w.d.ItemSelector()->Panel()->GetItemRect(1);
    EXPECT_EQ(row.Height(), 22);
    QTest::mouseClick(w.d.ItemSelector()->Panel(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(row.Left + 5, row.Top + 5));
    EXPECT_FALSE(w.d.DroppedDown());
    EXPECT_EQ(w.d.ItemIndex(), 1);
    EXPECT_EQ(w.d.text(), QStringLiteral("Apricot"));
    EXPECT_EQ(w.selects, 1);
}

TEST(DetailDropDown, KeysMoveInTheOpenListAndEscRestores)
{
    DetailWindow w;
    w.d.SetItemIndex(1);
    TypeKey(&w.d, Qt::Key_Down, Qt::AltModifier);
    ASSERT_TRUE(w.d.DroppedDown());
    TypeKey(w.List(), Qt::Key_Down);
    EXPECT_TRUE(w.d.DroppedDown());
    EXPECT_EQ(w.d.ItemIndex(), 2);
    EXPECT_EQ(w.d.text(), QStringLiteral("Banana"));
    TypeKey(w.List(), Qt::Key_End);
    EXPECT_EQ(w.d.ItemIndex(), 3);
    TypeKey(w.List(), Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    EXPECT_FALSE(w.d.DroppedDown());
    EXPECT_EQ(w.d.ItemIndex(), 1);
    EXPECT_EQ(w.d.text(), QStringLiteral("Apricot"));
    // Closed, the arrows move the selection too.
    TypeKey(&w.d, Qt::Key_Down);
    EXPECT_EQ(w.d.ItemIndex(), 2);
    TypeKey(&w.d, Qt::Key_Up);
    TypeKey(&w.d, Qt::Key_Up);
    TypeKey(&w.d, Qt::Key_Up);
    EXPECT_EQ(w.d.ItemIndex(), 0);
}

TEST(DetailDropDown, PageKeysMoveByTheVisibleRows)
{
    QStringList captions;
    for (int i = 0; i < 10; ++i)
        captions << QStringLiteral("Item %1").arg(i);
    DetailWindow w(captions);
    const struct {
        int from;
        Qt::Key key;
        int to;
    } moves[] = {
        {2, Qt::Key_PageUp, 0}, {0, Qt::Key_PageDown, 4}, {8, Qt::Key_PageDown, 9}, {9, Qt::Key_PageUp, 5},
    };
    for (const auto& m : moves) {
        SCOPED_TRACE(m.from);
        w.d.SetItemIndex(m.from);
        w.d.ShowDropDown();
        ASSERT_TRUE(w.d.DroppedDown());
        ASSERT_EQ(w.d.ItemSelector()->GetVisibleItemCount(), 4);   // 100 pixels of 22-pixel rows
        TypeKey(w.List(), m.key);
        EXPECT_EQ(w.d.ItemIndex(), m.to);
        EXPECT_TRUE(w.d.DroppedDown());
        w.d.HideDropDown(false);
    }
}

TEST(DetailDropDown, TypeAheadInTheOpenListStartsOverAfterHalfASecond)
{
    DetailWindow w;
    const auto clock = MakeManualClock();
    w.d.SetTypeAheadClock(clock);
    w.d.ShowDropDown();
    ASSERT_TRUE(w.d.DroppedDown());
    const struct {
        int after;   // milliseconds since the key before
        const char* key;
        int item;
    } keys[] = {
        {0, "a", 0}, {100, "p", 0}, {100, "r", 1}, {299, "c", 1},   // "APRC": nothing; the search is 499 ms old
        {1, "c", 3},                                              // 500 ms: it starts over with "C"
        {100, "b", 3},                                            // "CB"
        {500, "b", 2},
    };
    for (const auto& k : keys) {
        SCOPED_TRACE(k.key);
        clock->Now += k.after;
        TypeChars(w.List(), QString::fromLatin1(k.key));
        EXPECT_EQ(w.d.ItemIndex(), k.item);
        EXPECT_TRUE(w.d.DroppedDown());
    }
    // The letters searched the list; the edit names the item found.
    EXPECT_EQ(w.d.text(), QStringLiteral("Banana"));
}

TEST(DetailDropDown, NoExceptionLeavesAKeyOrChangeHandler)
{
    DetailWindow w;
    w.d.OnSelect = [](QObject*) { throw std::runtime_error("handler"); };
    w.d.OnChange = [](QObject*) { throw std::runtime_error("handler"); };
    EXPECT_NO_THROW(TypeKey(&w.d, Qt::Key_Down));
    EXPECT_NO_THROW(TypeChars(&w.d, QStringLiteral("b")));
    EXPECT_NO_THROW(TypeKey(&w.d, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r")));
    EXPECT_EQ(w.d.ItemIndex(), 0);
    // Items removed while a completion waits for its key release.
    DetailWindow c;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::NoModifier, QStringLiteral("c"));
    QApplication::sendEvent(&c.d, &press);
    ASSERT_EQ(c.d.text(), QStringLiteral("cherry"));
    c.d.Items().Clear();
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_C, Qt::NoModifier, QStringLiteral("c"));
    EXPECT_NO_THROW(QApplication::sendEvent(&c.d, &release));
    EXPECT_EQ(c.d.text(), QStringLiteral("cherry"));
}
