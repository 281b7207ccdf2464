#pragma once
#include "SpreadTypes.h"

#include <QRgb>
#include <QString>

// The attributes written to one cell, row, column or the whole grid. Only the
// fields whose bit is in m_set were written; the rest fall through to the next
// level.
struct SpreadCellStyle {
    enum Field : quint32 {
        ForeColor = 1u << 0,
        BackColor = 1u << 1,
        FontBold = 1u << 2,
        FontSize = 1u << 3,
        FontName = 1u << 4,
        FontItalic = 1u << 5,
        FontUnderline = 1u << 6,
        FontStrikethru = 1u << 7,
        CellType = 1u << 8,
        TypeHAlign = 1u << 9,
        TypeVAlign = 1u << 10,
        TypeNumberDecPlaces = 1u << 11,
        TypeNumberShowSep = 1u << 12,
        TypeNumberMin = 1u << 13,
        TypeNumberMax = 1u << 14,
        TypeNegRed = 1u << 15,
        Lock = 1u << 16,
        TypeButtonText = 1u << 17,
    };

    quint32 m_set = 0;
    QRgb foreColor = 0;
    QRgb backColor = 0;
    float fontSize = 0;
    qint8 cellType = CellTypeEdit;
    qint8 hAlign = TypeHAlignLeft;
    qint8 vAlign = TypeVAlignCenter;
    qint8 decPlaces = 0;
    bool fontBold = false;
    bool fontItalic = false;
    bool fontUnderline = false;
    bool fontStrikethru = false;
    bool showSep = false;
    bool negRed = false;
    bool locked = false;
    double numberMin = -99999999999999.0;
    double numberMax = 99999999999999.0;
    QString fontName;
    QString buttonText;

    bool has(Field f) const { return (m_set & f) != 0; }
    bool isEmpty() const { return m_set == 0; }
    // Copies the fields set in other over this one.
    void overlay(const SpreadCellStyle &other);
    // Copies field f of other (set or not) into this one.
    void copyField(const SpreadCellStyle &other, Field f);
    void clear(Field f) { m_set &= ~static_cast<quint32>(f); }
};
