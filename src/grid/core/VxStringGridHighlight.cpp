#include "grid/core/VxStringGridPrivate.h"
#include "grid/foundation/MiniHtml.h"
#include <QRegularExpression>

namespace {
const QString kHilightTag = QStringLiteral("hi");
const QString kMarkTag = QStringLiteral("e");

QString Encoded(const QString& S)
{
    return EncodeHtmlEntities(S, false);
}

// One pass from left to right, so an entity that encoding produced from a literal "&" is decoded once only.
QString Decoded(const QString& S)
{
    static const QRegularExpression entity(QStringLiteral("&(amp|quot|lt|gt);"));
    QString out;
    qsizetype from = 0;
    for (auto it = entity.globalMatch(S); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        out += S.mid(from, m.capturedStart() - from);
        const QString name = m.captured(1);
        out += name == u"amp" ? QChar(u'&') : name == u"quot" ? QChar(u'"') : name == u"lt" ? QChar(u'<') : QChar(u'>');
        from = m.capturedEnd();
    }
    return out + S.mid(from);
}

QString WithoutTag(const QString& S, const QString& Tag)
{
    const QRegularExpression tags(QStringLiteral("</?") + QRegularExpression::escape(Tag) + QStringLiteral(">"),
                                  QRegularExpression::CaseInsensitiveOption);
    return QString(S).remove(tags);
}

QString Marked(bool DoCase, const QString& S, const QString& Text, const QString& Tag)
{
    QString result;
    MarkMatchesInHtml(S, Text, Tag, result, DoCase);
    return result;
}
} // namespace

QString TVxStringGrid::HilightText(bool DoCase, const QString& S, const QString& Text)
{
    return Marked(DoCase, S, Text, kHilightTag);
}

QString TVxStringGrid::UnHilightText(const QString& S)
{
    return WithoutTag(S, kHilightTag);
}

QString TVxStringGrid::MarkText(bool DoCase, const QString& S, const QString& Text)
{
    return Marked(DoCase, S, Text, kMarkTag);
}

QString TVxStringGrid::UnMarkText(const QString& S)
{
    return WithoutTag(S, kMarkTag);
}

// The text as shown only where the user's event changes it; otherwise the stored text, so that links and counts
// the grid shows are not written into the cells.
QString TVxStringGridPrivate::ReadForMark(int c, int r)
{
    return q->OnGetDisplText ? q->Cells(c, r) : q->GetGridCell(c, r);
}

void TVxStringGrid::MarkInRange(const QString& HiText, const QString& Tag, int FromCol, int FromRow, int ToCol,
                                int ToRow, bool DoCase)
{
    const QString find = Encoded(HiText);
    for (int r = FromRow; r <= ToRow; ++r)
        for (int c = FromCol; c <= ToCol; ++c)
            if (IsBaseCell(c, r))
                SetCells(c, r, Marked(DoCase, Encoded(d->ReadForMark(c, r)), find, Tag));
}

// Every cell of the range is decoded, marked or not: marking encoded them all.
void TVxStringGrid::UnMarkInRange(const QString& Tag, int FromCol, int FromRow, int ToCol, int ToRow)
{
    for (int r = FromRow; r <= ToRow; ++r)
        for (int c = FromCol; c <= ToCol; ++c)
            if (IsBaseCell(c, r))
                SetCells(c, r, Decoded(WithoutTag(d->ReadForMark(c, r), Tag)));
}

void TVxStringGrid::HilightInCell(bool DoCase, int Col, int Row, const QString& HiText)
{
    MarkInRange(HiText, kHilightTag, Col, Row, Col, Row, DoCase);
}

void TVxStringGrid::HilightInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText)
{
    MarkInRange(HiText, kHilightTag, Col, DoFixed ? 0 : FixedRows(), Col,
                DoFixed ? RowCount() - 1 : RowCount() - d->Shared.FFixedFooters - 1, DoCase);
}

void TVxStringGrid::HilightInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText)
{
    MarkInRange(HiText, kHilightTag, DoFixed ? 0 : FixedCols(), Row,
                DoFixed ? ColCount() - 1 : ColCount() - d->Shared.FFixedRightCols - 1, Row, DoCase);
}

// The normal area reaches hidden columns; the whole grid only the shown count.
void TVxStringGrid::HilightInGrid(bool DoFixed, bool DoCase, const QString& HiText)
{
    if (DoFixed)
        MarkInRange(HiText, kHilightTag, 0, 0, ColCount() - 1, RowCount() - 1, DoCase);
    else
        MarkInRange(HiText, kHilightTag, FixedCols(), FixedRows(), AllColCount() - d->Shared.FFixedRightCols - 1,
                    RowCount() - d->Shared.FFixedFooters - 1, DoCase);
}

void TVxStringGrid::UnHilightInCell(int Col, int Row)
{
    UnMarkInRange(kHilightTag, Col, Row, Col, Row);
}

void TVxStringGrid::UnHilightInCol(bool DoFixed, int Col)
{
    UnMarkInRange(kHilightTag, Col, DoFixed ? 0 : FixedRows(), Col,
                  DoFixed ? RowCount() - 1 : RowCount() - d->Shared.FFixedFooters - 1);
}

void TVxStringGrid::UnHilightInRow(bool DoFixed, int Row)
{
    UnMarkInRange(kHilightTag, DoFixed ? 0 : FixedCols(), Row,
                  DoFixed ? AllColCount() - 1 : AllColCount() - d->Shared.FFixedRightCols - 1, Row);
}

void TVxStringGrid::UnHilightInGrid(bool DoFixed)
{
    if (DoFixed)
        UnMarkInRange(kHilightTag, 0, 0, AllColCount() - 1, RowCount() - 1);
    else
        UnMarkInRange(kHilightTag, FixedCols(), FixedRows(), AllColCount() - d->Shared.FFixedRightCols - 1,
                      RowCount() - d->Shared.FFixedFooters - 1);
}

void TVxStringGrid::MarkInCell(bool DoCase, int Col, int Row, const QString& HiText)
{
    MarkInRange(HiText, kMarkTag, Col, Row, Col, Row, DoCase);
}

void TVxStringGrid::MarkInCol(bool DoFixed, bool DoCase, int Col, const QString& HiText)
{
    MarkInRange(HiText, kMarkTag, Col, DoFixed ? 0 : FixedRows(), Col,
                DoFixed ? RowCount() - 1 : RowCount() - d->Shared.FFixedFooters - 1, DoCase);
}

void TVxStringGrid::MarkInRow(bool DoFixed, bool DoCase, int Row, const QString& HiText)
{
    MarkInRange(HiText, kMarkTag, DoFixed ? 0 : FixedCols(), Row,
                DoFixed ? ColCount() - 1 : ColCount() - d->Shared.FFixedRightCols - 1, Row, DoCase);
}

void TVxStringGrid::MarkInGrid(bool DoFixed, bool DoCase, const QString& HiText)
{
    if (DoFixed)
        MarkInRange(HiText, kMarkTag, 0, 0, ColCount() - 1, RowCount() - 1, DoCase);
    else
        MarkInRange(HiText, kMarkTag, FixedCols(), FixedRows(), ColCount() - d->Shared.FFixedRightCols - 1,
                    RowCount() - d->Shared.FFixedFooters - 1, DoCase);
}

void TVxStringGrid::UnMarkInCell(int Col, int Row)
{
    UnMarkInRange(kMarkTag, Col, Row, Col, Row);
}

void TVxStringGrid::UnMarkInCol(bool DoFixed, int Col)
{
    UnMarkInRange(kMarkTag, Col, DoFixed ? 0 : FixedRows(), Col,
                  DoFixed ? RowCount() - 1 : RowCount() - d->Shared.FFixedFooters - 1);
}

void TVxStringGrid::UnMarkInRow(bool DoFixed, int Row)
{
    UnMarkInRange(kMarkTag, DoFixed ? 0 : FixedCols(), Row,
                  DoFixed ? AllColCount() - 1 : AllColCount() - d->Shared.FFixedRightCols - 1, Row);
}

void TVxStringGrid::UnMarkInGrid(bool DoFixed)
{
    if (DoFixed)
        UnMarkInRange(kMarkTag, 0, 0, AllColCount() - 1, RowCount() - 1);
    else
        UnMarkInRange(kMarkTag, FixedCols(), FixedRows(), AllColCount() - d->Shared.FFixedRightCols - 1,
                      RowCount() - d->Shared.FFixedFooters - 1);
}
