// File-dialog filters from the "description|pattern" form into Qt's own.
#pragma once

#include <QString>

namespace varno {

// "Bitmap  files (*.bmp)|*.bmp" becomes "Bitmap  files (*.bmp)" and "Pictures|*.bmp;*.dib"
// becomes "Pictures (*.bmp *.dib)": Qt reads the patterns from the parentheses at the end of
// each description, one filter a line. A description that already ends in its patterns is kept.
QString QtFileFilter(const QString& filter);

}  // namespace varno
