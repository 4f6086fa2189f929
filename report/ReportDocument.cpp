#include "report/ReportDocument.h"

#include "platform/CFile.h"
#include "platform/SystemServices.h"
#include "report/DataWriters.h"
#include "report/ReportFile.h"
#include "report/ReportSection.h"
#include "report/SystemSection.h"
#include "resources/MessageCaption.h"

#include <string>
#include <string_view>

namespace {

constexpr const char* kDeclaration = "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n";
constexpr const char* kEndLost = "連動情報ファイルの出力を完了できませんでした。\n\nアプリケーションを終了します。";

// Asks after a failed section, which it names; true when the user goes on with the next one.
bool GoOnAfter(const ReportRequest& request, std::string_view section) {
    const std::string question = std::string(section) + "の出力に失敗しました。\n\n出力を続けますか？";
    return platform::MessageBox(request.owner, question, kMessageCaption, MB_YESNO | MB_ICONWARNING) == IDYES;
}

}  // namespace

bool WriteReport(const ReportRequest& request, const ReportFigures& figures, const StDATAINFO& dataSet,
                 ReportMethod method, const DataSectionFunction& writeData) {
    // The report goes to a successor of the destination; the destination changes only when
    // the whole report is there, and a failed report is removed, also by an exception.
    ReportFile target(request.outputPath);
    XmlReportWriter writer;
    // Results not tested: a file that cannot be made shows itself as failed sections.
    if (target.Claim()) writer.AttachFile(target.Successor());
    writer.WriteRaw(kDeclaration);
    writer.OpenElement(ReportCatalogue::kReport, ReportSection::kRootDepth);

    // A failed section asks whether to go on; No makes it the last one.
    bool everySectionWritten = true;
    bool stoppedByUser = false;
    const auto passed = [&](bool written, std::string_view section) {
        if (written) return true;
        everySectionWritten = false;
        stoppedByUser = !GoOnAfter(request, section);
        return !stoppedByUser;
    };
    if (passed(WriteSystemSection(writer, request), "システム情報") &&
        passed(WriteBasicSection(writer, dataSet, figures, method), "基本情報")) {
        passed(writeData(writer), "連動情報");
    }
    // Stopped or finished, the report ends with the end tag of REPORT; after a failed write the
    // file is already closed and the end tag is lost with it.
    const bool ended = writer.CloseElement(ReportCatalogue::kReport, ReportSection::kRootDepth);
    writer.CloseFile();
    if (everySectionWritten && ended && target.Commit()) return true;
    target.Discard();
    // After a No the user chose to stop; otherwise (Yes answers, a lost end tag, a file that
    // could not take the destination's place) nothing has yet said that no report was made.
    if (!stoppedByUser) platform::MessageBox(request.owner, kEndLost, kMessageCaption, MB_OK | MB_ICONWARNING);
    return false;
}

bool WriteJournalReport(const ReportRequest& request, const ReportFigures& figures, const StDATAINFO& dataSet,
                        const StSHOHIZEIINFO& settings) {
    return WriteReport(request, figures, dataSet, ReportMethod::Journal, [&](XmlReportWriter& writer) {
        return WriteJournalData(writer, figures, dataSet, settings);
    });
}

bool WriteSavedReturnReport(const ReportRequest& request, const ReportFigures& figures, const StDATAINFO& dataSet) {
    return WriteReport(request, figures, dataSet, ReportMethod::SavedReturn, [&](XmlReportWriter& writer) {
        return WriteSavedReturnData(writer, figures, dataSet);
    });
}
