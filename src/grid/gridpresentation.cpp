#include "gridpresentation.h"

namespace galewright {

GridPresentation::GridPresentation()
    : alignment_(CellAlignment::Left, true), fontFace_(QString(), false), fontHeight_(0, false),
      textColour_(QColor(), false)
{
}

QFont GridPresentation::font(int row, int column, const QFont& base) const
{
    const QString& face = fontFace(row, column);
    const int height = fontHeight(row, column);
    if (face.isEmpty() && height <= 0)
        return base;
    const QString cacheKey = face + QLatin1Char('/') + QString::number(height) + QLatin1Char('/') + base.key();
    auto found = fonts_.constFind(cacheKey);
    if (found != fonts_.constEnd())
        return *found;
    QFont font = base;
    if (!face.isEmpty())
        font.setFamilies({face, base.family()}); // a missing face falls back to the widget's
    if (height > 0)
        font.setPixelSize(height);
    fonts_.insert(cacheKey, font);
    return font;
}

void GridPresentation::rowsInserted(int position, int count)
{
    alignment_.rowsInserted(position, count);
    fontFace_.rowsInserted(position, count);
    fontHeight_.rowsInserted(position, count);
    textColour_.rowsInserted(position, count);
}

void GridPresentation::rowsRemoved(int first, int last)
{
    alignment_.rowsRemoved(first, last);
    fontFace_.rowsRemoved(first, last);
    fontHeight_.rowsRemoved(first, last);
    textColour_.rowsRemoved(first, last);
}

Qt::Alignment toQtAlignment(CellAlignment alignment)
{
    switch (alignment) {
    case CellAlignment::Centre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    case CellAlignment::Right:
        return Qt::AlignRight | Qt::AlignVCenter;
    case CellAlignment::Left:
        break;
    }
    return Qt::AlignLeft | Qt::AlignVCenter;
}

} // namespace galewright
