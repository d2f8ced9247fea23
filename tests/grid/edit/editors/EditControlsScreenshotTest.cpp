#include "grid/model/GridFilter.h"
#include "grid/edit/editors/VXGEdit.h"
#include "grid/edit/editors/VxDateTimePicker.h"
#include "grid/edit/editors/VxgCombo.h"
#include "grid/edit/editors/vxgspin.h"
#include "platform/SaveFile.h"
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Each control in a small form of its own, saved as a picture under the build folder for people to look at.
struct Shot {
    const char* name;
    std::function<void(QWidget* form)> build;
};

TDateTime Sample() { return ToDateTime(QDateTime(QDate(2024, 2, 29), QTime(14, 25, 36), Qt::UTC)); }

const Shot kShots[] = {
    {"SpinEditNumber", [](QWidget* f) { new TVxgSpinEdit(f); }},
    {"SpinEditFloat", [](QWidget* f) {
         auto* s = new TVxgSpinEdit(f);
         s->SetSpinType(TVxgSpinType::sptFloat);
         s->SetPrecision(2);
         s->SetFloatValue(12.5);
         s->Button()->SetButtonColor(clSkyBlue);
     }},
    {"SpinEditDate", [](QWidget* f) {
         auto* s = new TVxgSpinEdit(f);
         s->SetSpinType(TVxgSpinType::sptDate);
         s->SetDateValue(Sample());
     }},
    {"SpinEditTimeHorizontal", [](QWidget* f) {
         auto* s = new TVxgSpinEdit(f);
         s->SetSpinType(TVxgSpinType::sptTime);
         s->SetTimeValue(Sample());
         s->SetDirection(TSpinDirection::spHorizontal);
     }},
    {"EditBtn", [](QWidget* f) {
         auto* e = new TVxgEditBtn(f);
         e->SetText("C:/Projects");
         e->SetButtonCaption("...");
     }},
    {"UnitEditBtn", [](QWidget* f) {
         auto* e = new TVxgUnitEditBtn(f);
         e->SetUnits({"mm", "cm", "m"});
         e->SetTextAndUnit("250mm");
     }},
    {"ComboFlatWithLabel", [](QWidget* f) {
         auto* c = new TVxgComboBox(f);
         c->move(70, 10);
         c->SetItems({"Modbus", "BACnet", "KNX"});
         c->SetFlat(true);
         c->SetLabelCaption("Protocol");
     }},
    {"ComboColouredButton", [](QWidget* f) {
         auto* c = new TVxgComboBox(f);
         c->SetStyle(TComboBoxStyle::csDropDownList);
         c->SetItems({"9600", "19200", "38400"});
         c->SetBorderColor(clGray);
         c->SetButtonColor(clSkyBlue);
         c->SetButtonBorderColor(clNavy);
         c->SetButtonTextColor(clNavy);
     }},
    {"DatePickerMetro", [](QWidget* f) {
         auto* p = new TVxgDateTimePicker(f);
         p->SetDateTimeValue(QDateTime(QDate(2024, 2, 29), QTime(14, 25, 36)));
         p->SetMetroStyle(true);
         p->SetBorderColor(clGray);
         p->SetButtonColor(clSkyBlue);
     }},
    {"DateTimePickerWithLabelAndCheckBox", [](QWidget* f) {
         auto* p = new TVxDateTimePicker(f);
         p->setGeometry(70, 10, 230, 24);
         p->SetShowCheckbox(true);
         p->SetDateTime(Sample());
         p->SetLabelCaption("Start");
     }},
};

TEST(EditControlsScreenshot, EachControlInASmallForm)
{
    const QString folder = QCoreApplication::applicationDirPath() + QStringLiteral("/screenshots");
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const Shot& shot : kShots) {
        SCOPED_TRACE(shot.name);
        QWidget form;
        form.resize(320, 44);
        shot.build(&form);
        for (QWidget* w : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (w->pos() == QPoint(0, 0))
                w->setGeometry(10, 10, 160, 24);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        const QImage image = form.grab().toImage();
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        ASSERT_TRUE(image.save(&buffer, "PNG"));
        const QString path = folder + QLatin1Char('/') + QLatin1String(shot.name) + QStringLiteral(".png");
        QString error;
        ASSERT_TRUE(SaveWholeFile(path, png, &error)) << error.toStdString();
        EXPECT_EQ(QImage(path).size(), form.size());
    }
}

} // namespace
