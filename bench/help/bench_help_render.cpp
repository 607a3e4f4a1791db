// Times the rendering of a generated 1 MiB help page of mixed markup: headings, paragraphs, lists,
// tables, links, anchors, entities and style rules. The page is the same on every run.
#include "help/html_renderer.h"
#include "help/rich_edit.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextDocument>
#include <QTextEdit>

#include <cstdio>
#include <ctime>

namespace {

QString GeneratePage(qsizetype targetBytes)
{
    QString page = QStringLiteral(
        "<html><head><title>Bench</title></head><body><style>h1 {color: navy} h2 {color: #2E75B6} "
        ".note {color: maroon; font-style: italic} #intro {font-size: 120%} td {color: gray} "
        "p {text-align: left}</style>\n");
    int section = 0;
    while (page.size() < targetBytes) {
        const QString n = QString::number(++section);
        page += QStringLiteral(
                    "<a name=\"Contents:Section %1\"></a><h2>Section %1 &ndash; copying</h2>\n"
                    "<p id=intro>Backup items copy folders, patterns and files. Caf&eacute; "
                    "&amp; na&iuml;ve &copy; 2026 &euro;5 &lt;tag&gt; text with <b>bold</b>, "
                    "<i>italic</i> and <u>underlined</u> words,\r\n joined lines and    runs of "
                    "spaces.</p>\n<p class=note>Note %1: <font color=red size=+1>large red</font> "
                    "and <span style=\"background-color: yellow; color: blue\">marked</span>.</p>\n"
                    "<ul><li>first <a href=#Section%1>jump</a><li>second <a "
                    "href=\"http://www.example.org/%1\">site</a><li>third<ol><li>one<li>two</ol></ul>\n"
                    "<table><tr><th>Mode</th><th>Effect</th></tr><tr><td>Plain copy</td><td>every "
                    "file</td></tr><tr><td>Newer</td><td>changed files</td></tr></table>\n"
                    "<blockquote><cite>Quoted</cite> text &mdash; <code>code()</code></blockquote>"
                    "<pre>pre  formatted\n  lines</pre><!-- a comment -->\n")
                    .arg(n);
        if (section % 10 == 0)
            page +=
                QStringLiteral("<hr width=50%><h1>Part %1</h1><img src=missing%1.png alt=\"Picture %1\">\n")
                    .arg(n);
    }
    return page + QStringLiteral("</body></html>");
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString page = GeneratePage(qsizetype(1) << 20);

    QTextEdit edit;
    edit.resize(800, 600);
    edit.show();
    tessel::help::TLinkTable links;

    // Wall time depends on what else the machine is doing; processor time of this process does not.
    double best = 1e9;
    double bestCpu = 1e9;
    for (int round = 0; round < 3; ++round) {
        edit.clear(); // the previous page is thrown away outside the measurement
        QElapsedTimer timer;
        timer.start();
        const std::clock_t cpuStart = std::clock();
        {
            tessel::help::RichEdit display(&edit);
            tessel::help::RenderHTML(display, page, true, 0xFF0000, QString(), links, 40);
        }
        best = std::min(best, timer.nsecsElapsed() / 1e6);
        bestCpu = std::min(bestCpu, double(std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC);
    }
    std::printf("help render: %lld bytes of markup, %d paragraphs, %lld links\n", qlonglong(page.size()),
                edit.document()->blockCount(), qlonglong(links.size()));
    std::printf("help render: RenderHTML %.1f ms wall, %.1f ms processor time (best of 3)\n", best, bestCpu);
    return 0;
}
