#pragma once

#include "lookup/collectiontable.h"

#include <QLocale>
#include <QString>

#include <array>

namespace tervano::lookup {

// What the search needs of the window: the number entry box's text, the nine display
// boxes in order, the print button, the focus and the "Atenção" box.
class SearchView
{
public:
    virtual ~SearchView() = default;
    virtual QString numberText() const = 0;
    virtual void setDisplayText(int box, const QString& text) = 0; // box 0..8, in shown order
    virtual void setPrintEnabled(bool enabled) = 0;
    virtual void focusNumberEntry() = 0;
    virtual void showAttention(const QString& text) = 0;
};

// The fields shown, in the order of the display boxes; the amount is the seventh.
inline constexpr std::array<const char16_t*, 9> kShownFields = {u"db_cod",    u"db_unid",   u"db_trib",
                                                                u"db_ano",    u"db_strib",  u"pa_parc",
                                                                u"pa_vrparc", u"pa_dtvenc", u"pa_dtemi"};
inline constexpr int kAmountBox = 6;

// One search: reopens the table under the condition and fills the boxes from the first
// match, each box written before the next field is read. Failures propagate as
// tervano::Failure with the boxes before the failing field already filled.
void runSearch(CollectionTable& table, SearchView& view, const QLocale& locale);

} // namespace tervano::lookup
