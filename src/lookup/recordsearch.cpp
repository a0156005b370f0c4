#include "lookup/recordsearch.h"

#include "lookup/searchcondition.h"
#include "lookup/valuetext.h"

namespace tervano::lookup {

void runSearch(CollectionTable& table, SearchView& view, const QLocale& locale)
{
    const QString number = view.numberText();

    table.close();
    table.setFiltered(false);
    table.setFilter(searchConditionText(QStringLiteral("pa_arrec"), number));
    table.setFiltered(true);
    table.open();

    if (table.recordCount() <= 0) {
        view.showAttention(QStringLiteral("Nosso número não encontrado."));
        view.setPrintEnabled(false);
        view.focusNumberEntry();
        return;
    }

    for (int box = 0; box < int(kShownFields.size()); ++box) {
        const FieldValue value = table.fieldByName(QString::fromUtf16(kShownFields[box]));
        const QString text = box == kAmountBox ? formatAmount(valueToNumber(value, locale), locale)
                                               : valueToText(value, locale);
        view.setDisplayText(box, text);
    }
    view.setPrintEnabled(true);
}

} // namespace tervano::lookup
