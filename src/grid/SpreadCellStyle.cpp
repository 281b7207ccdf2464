#include "SpreadCellStyle.h"

void SpreadCellStyle::copyField(const SpreadCellStyle &o, Field f)
{
    switch (f) {
    case ForeColor: foreColor = o.foreColor; break;
    case BackColor: backColor = o.backColor; break;
    case FontBold: fontBold = o.fontBold; break;
    case FontSize: fontSize = o.fontSize; break;
    case FontName: fontName = o.fontName; break;
    case FontItalic: fontItalic = o.fontItalic; break;
    case FontUnderline: fontUnderline = o.fontUnderline; break;
    case FontStrikethru: fontStrikethru = o.fontStrikethru; break;
    case CellType: cellType = o.cellType; break;
    case TypeHAlign: hAlign = o.hAlign; break;
    case TypeVAlign: vAlign = o.vAlign; break;
    case TypeNumberDecPlaces: decPlaces = o.decPlaces; break;
    case TypeNumberShowSep: showSep = o.showSep; break;
    case TypeNumberMin: numberMin = o.numberMin; break;
    case TypeNumberMax: numberMax = o.numberMax; break;
    case TypeNegRed: negRed = o.negRed; break;
    case Lock: locked = o.locked; break;
    case TypeButtonText: buttonText = o.buttonText; break;
    }
    if (o.has(f))
        m_set |= f;
    else
        m_set &= ~static_cast<quint32>(f);
}

void SpreadCellStyle::overlay(const SpreadCellStyle &other)
{
    quint32 bits = other.m_set;
    while (bits) {
        const quint32 bit = bits & (~bits + 1);
        copyField(other, static_cast<Field>(bit));
        bits &= ~bit;
    }
}
