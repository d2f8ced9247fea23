#include "ParGenFixture.h"

#include "core/UComon.h"
#include "ui/CategoryPanelGroup.h"
#include "ui/ParGenRows.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>

QByteArray ReadTestFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

ParGenDialog::ParGenDialog()
{
    project = folder.makeProject(QStringLiteral("Plant"));
    Project_Name = QStringLiteral("Plant");
    Project_Dir = project;
    Set_Project_File_Paths(project);
    SW_Code = QStringLiteral("QV48143");
}

TFParGen& ParGenDialog::Create(int model)
{
    dialog = std::make_unique<TFParGen>(nullptr, model);
    return *dialog;
}

TFParGen& ParGenDialog::Show()
{
    if (!dialog)
        Create();
    dialog->show();
    return *dialog;
}

void ParGenDialog::WriteParGen(const QByteArray& content) const
{
    folder.writeFile(QStringLiteral("PROJECTS/Plant/ParGen.xml"), content);
}

QByteArray ParGenDialog::ParGenBytes() const
{
    return ReadTestFile(File_ParGen);
}

QWidget* ParGenDialog::Control(const QString& name) const
{
    QWidget* w = dialog->Controls().Control(name);
    if (!w)
        ADD_FAILURE() << "no control " << name.toStdString();
    return w;
}

void ParGenDialog::Set(const QString& name, const QString& value) const
{
    QWidget* w = Control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->setText(value);
    else if (auto* memo = qobject_cast<QPlainTextEdit*>(w))
        memo->setPlainText(value);
    else if (auto* box = qobject_cast<QCheckBox*>(w))
        box->setChecked(value == QLatin1String("1"));
    else if (auto* list = qobject_cast<QComboBox*>(w))
        list->setCurrentIndex(value.toInt());
}

QString ParGenDialog::Value(const QString& name) const
{
    QWidget* w = Control(name);
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    if (auto* memo = qobject_cast<QPlainTextEdit*>(w))
        return memo->toPlainText();
    if (auto* box = qobject_cast<QCheckBox*>(w))
        return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (auto* list = qobject_cast<QComboBox*>(w))
        return QString::number(list->currentIndex());
    return QStringLiteral("<no value>");
}

int ParGenDialog::Y(const QString& name) const
{
    return Control(name)->y();
}

bool ParGenDialog::Shown(const QString& name) const
{
    return !Control(name)->isHidden();
}

int ParGenDialog::Height(const char* panel) const
{
    return dialog->Panel(QString::fromLatin1(panel))->height();
}

int ParGenDialog::Top(const char* panel) const
{
    return dialog->Panel(QString::fromLatin1(panel))->Top();
}

int ParGenDialog::Header() const
{
    return dialog->CPG->HeaderHeight();
}
