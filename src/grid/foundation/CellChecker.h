#pragma once
// Base of the components that check or correct cell texts; a grid links one as its cell checker.
// The base changes nothing: descendants override the four operations.
#include <QObject>
#include <QString>

class ZEvuZudedoZadaRudiv : public QObject {
public:
    explicit ZEvuZudedoZadaRudiv(QObject* AOwner = nullptr) : QObject(AOwner) {}

    // Move the grid's current cell to each cell while it is checked, and back afterwards.
    bool GotoCell() const { return FGotoCell; }
    void SetGotoCell(bool value) { FGotoCell = value; }
    // Correct, or mark errors in, a cell's text when its edit is committed.
    bool AutoCorrect() const { return FAutoCorrect; }
    void SetAutoCorrect(bool value) { FAutoCorrect = value; }
    bool AutoMarkError() const { return FAutoMarkError; }
    void SetAutoMarkError(bool value) { FAutoMarkError = value; }
    // The same during an explicit check.
    bool UseCorrect() const { return FUseCorrect; }
    void SetUseCorrect(bool value) { FUseCorrect = value; }
    bool UseMarkError() const { return FUseMarkError; }
    void SetUseMarkError(bool value) { FUseMarkError = value; }

    virtual QString MarkError(int ACol, int ARow, const QString& s);
    virtual QString Correct(int ACol, int ARow, const QString& s);
    virtual void StartCheck();
    virtual void StopCheck();

private:
    bool FGotoCell = false;
    bool FAutoCorrect = false;
    bool FAutoMarkError = false;
    bool FUseCorrect = false;
    bool FUseMarkError = false;
};
