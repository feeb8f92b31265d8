// An intake file or a saved day's lines, however damaged: reading, splitting,
// checking the amounts and merging a food never crash, and what is read keeps
// every amount within the allowed range.
#include "fuzz.h"
#include "core/error.h"
#include "core/intake.h"
#include "core/textfile.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QStringList lines;
    try {
        lines = torval::readIntakeText(torval::decodeUtf8OrWindows1252(bytes));
    } catch (const torval::Error &) {
        return 0;
    }
    for (const QString &text : lines) {
        const torval::IntakeLine line = torval::splitIntakeLine(text);
        if (line.amount.size() > torval::kAmountMaxChars)
            std::abort();
        try {
            const double amount = torval::checkedAmount(line);
            if (amount < 0 || amount > torval::kMaxAmountGrams)
                std::abort();
        } catch (const torval::Error &) {
        }
    }
    if (!lines.isEmpty()) {
        QStringList merged = lines;
        QString field = torval::splitIntakeLine(lines.first()).amount;
        try {
            torval::addToIntake(merged, torval::splitIntakeLine(lines.first()).name, field,
                                [](const QString &) { return true; });
        } catch (const torval::Error &) {
        }
    }
    return 0;
}
