#include "view/AuswertungsDruck.h"

#include "document/KeyEncodings.h"
#include "document/NivoraDoc.h"
#include "evaluation/AuswertungsSeiten.h"
#include "text/TextUtil.h"
#include "view/AuswertungsFormular.h"
#include "view/FooterLine.h"
#include "view/PlotPageFrame.h"

namespace nivora {
namespace {

std::vector<std::string> SplitAtBF(const std::string& text) {
    std::vector<std::string> out;
    std::size_t pos = 0;
    for (;;) {
        const auto end = text.find('\xBF', pos);
        out.push_back(text.substr(pos, end == std::string::npos ? std::string::npos : end - pos));
        if (end == std::string::npos) return out;
        pos = end + 1;
    }
}

auswertung::PageData Collect(const CAuswertungsSeiten& pages, int page, const CNivoraDoc& doc) {
    auswertung::PageData d(*pages.Page(page));
    const CZi4Verwaltung& z = doc.State();
    d.fields = SplitAtBF(BracketGroup(z.GetValue("KOPFFUSSDATEN", ""), 1));
    z.GetManuVonBis(d.rangeFrom, d.rangeTo);
    const std::string statistics = z.GetValue("STATGES", "-||-");
    d.runMeanSpeed = text::GetCharField(statistics, '|', 0);
    d.runVarK = text::GetCharField(statistics, '|', 2);
    d.lengthScale = CZi4Verwaltung::SupportedLengthScale(z.GetLengthScale());
    d.currency = doc.Exceedances().GetCurrency();
    const CEinstellungen& s = z.Settings();
    d.nrAusWertung = s.nrAusWertung;
    d.showVarK = s.VarKAnzeigen();
    d.numbering = s.NummerierungAn();
    d.manySpeeds = doc.Run().SpeedCount() > 5;
    // The job ends with the report's last page.
    d.lastPage = page == pages.GetPageCount();
    return d;
}

}  // namespace

void DrawEvaluationPage(IDrawingSurface& dc, const CAuswertungsSeiten& pages, int page,
                        const SurfaceRect& printRect, const CNivoraDoc& doc) {
    if (!pages.Page(page)) return;
    const auswertung::PageData data = Collect(pages, page, doc);

    const int32_t fl = printRect.left + 2000, fr = printRect.right - 1000;
    const int32_t ft = printRect.top - 3000, fb = printRect.top - 28500;
    const int32_t noticeLeft = printRect.left + 800, noticeRight = printRect.right - 1400;
    const int32_t noticeTop = printRect.top - 300;
    DrawNoticeBlock(
        dc, {noticeLeft, noticeTop, noticeRight, noticeTop - (noticeRight - noticeLeft) / 6});
    dc.Rectangle({fl, ft, fr, fb});
    // The footer reads downward beside the form's left edge and ends at its foot:
    // started there, it would run off the sheet below the form. Its glyphs
    // rise to the right, so its baseline keeps their height left of the frame.
    DrawFooterLine(dc, {fl - 150, fb}, false, FooterAlign::RightTurned);

    dc.SaveState();
    dc.SetBackgroundMode(BackgroundMode::Transparent);
    dc.SelectPen({false, 10, 0x00000000});
    auswertung::FormPen pen(dc, ft);
    const auswertung::Columns columns(fl, fr, data.numbering);
    auswertung::DrawHeaderForm(pen, columns, data);
    auswertung::DrawTableHeader(pen, columns, data);
    auswertung::DrawFormValues(pen, columns, data);
    auswertung::DrawRows(pen, columns, data);
    auswertung::DrawSumsAndSignatures(pen, columns, data);
    dc.RestoreState();
}

}  // namespace nivora
