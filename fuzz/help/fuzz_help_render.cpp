#include "help/ansi_text.h"
#include "help/html_renderer.h"
#include "help/rich_edit.h"

#include <QApplication>
#include <QTextEdit>

#include <cstdint>
#include <cstdlib>

namespace {

QTextEdit *display = nullptr;

} // namespace

// The system font library keeps its caches until exit; that is not a leak of the renderer.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig.so\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(*argc, *argv);
    // Hidden: the document is built exactly as on screen, without laying out every input.
    display = new QTextEdit;
    display->resize(600, 400);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using namespace tessel::help;
    const QString html = FromAnsi(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    TLinkTable links;
    {
        RichEdit edit(display);
        RenderHTML(edit, html, true, 0xFF0000, QString(), links, 20);
    }
    const int length = int(display->document()->characterCount());
    for (const TLinkTableItem &item : links) {
        if (item.entry.start < 0 || item.entry.start >= length || item.entry.kind > kImagePlaceholder)
            std::abort();
    }
    return 0;
}
