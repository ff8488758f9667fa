#include "UnattendedPrint.h"

#include <QPrinter>
#include <cstdio>

#include "AppContext.h"
#include "PosixLimits.h"
#include "Printing.h"
#include "QtText.h"
#include "document/NivoraDoc.h"
#include "view/NivoraView.h"

namespace nivora::app {

namespace {
void Complain(const QString& text) {
    std::fputs(("nivora: " + text + "\n").toLocal8Bit().constData(), stderr);
}
}  // namespace

MessageAnswer StderrMessageSink::Show(const std::string& text, MessageIcon,
                                      MessageButtons buttons) {
    QString body = qt::FromCp1252(text);
    body.replace(QLatin1String("\r\n"), QLatin1String(" "));
    body.replace(QLatin1Char('\n'), QLatin1Char(' '));
    Complain(body.simplified());
    return buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

int PrintUnattended(AppContext& context, const QString& path, const QString& target) {
    QPrinter& printer = *context.printer;
    if (target.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(target);
    } else if (!target.isEmpty()) {
        printer.setPrinterName(target);
    }
    if (printer.outputFormat() == QPrinter::NativeFormat && !printer.isValid()) {
        Complain(target.isEmpty()
                     ? QStringLiteral("Es ist kein Drucker eingerichtet.")
                     : QStringLiteral("Den Drucker \"%1\" gibt es nicht.").arg(target));
        return 1;
    }

    StderrMessageSink messages;
    DocumentServices services;
    services.messages = &messages;
    services.firstLoad = nullptr;  // as if confirmed with OK, nothing changed
    services.appSettings = context.settings;
    services.maxFileBytes = posix::MaxMeasurementFileBytes();
    CNivoraDoc doc;
    if (doc.OpenFile(qt::ToCp1252(path), services) != CNivoraDoc::OpenResult::Opened) {
        Complain(QStringLiteral("Nichts gedruckt: \"%1\" ließ sich nicht öffnen.").arg(path));
        return 1;
    }
    CNivoraView model(doc, context.texts, *context.clock);
    model.OnInitialUpdate(context.store);
    model.SetEvaluationMode(false);
    model.ComputePages();
    const int pages = PrintAll(model, context, printer);
    if (pages <= 0) {
        Complain(QStringLiteral("Es gibt keine Seite zum Drucken."));
        return 1;
    }
    return 0;
}

}  // namespace nivora::app
