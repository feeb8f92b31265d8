#include "rtfdocument.h"

namespace torval::richtext {

QString Paragraph::text() const
{
    QString s;
    for (const Run &r : runs)
        s += r.text;
    return s;
}

void appendText(Paragraph &paragraph, const QString &text, const CharFormat &format)
{
    if (text.isEmpty())
        return;
    if (!paragraph.runs.isEmpty() && paragraph.runs.last().format == format)
        paragraph.runs.last().text += text;
    else
        paragraph.runs.append(Run{text, format});
}

QString plainText(const Document &doc)
{
    QString out;
    for (qsizetype i = 0; i < doc.paragraphs.size(); ++i) {
        if (i > 0)
            out += u'\n';
        out += doc.paragraphs.at(i).text();
    }
    out.replace(QChar::LineSeparator, u'\n');
    return out;
}

} // namespace torval::richtext
