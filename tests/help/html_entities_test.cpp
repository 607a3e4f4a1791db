#include "help/html_entities.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <set>

namespace tessel::help {
namespace {

QByteArray Decode(const QByteArray &text)
{
    return DecodeHTMLEntities(text);
}

TEST(DecodeHTMLEntities, HandlesReferencesAsTheViewerExpects)
{
    const struct
    {
        QByteArray source;
        QByteArray expected;
    } cases[] = {
        {"AT&T", "AT&T"},
        {"AT&T;", "AT&T;"}, // "T" is no name
        {"&amp;lt;", "&lt;"},
        {"&AMP; &Amp;", "&AMP; &Amp;"},
        {"&Eacute;&eacute;", "\xC9\xE9"},
        {"a&nbsp;b", "a b"},
        {"&Oslash;&eth;&thorn;&ETH;", "\xD8\xF0\xFE\xD0"},
        {"&#65;&#x41;&#$41;&#X41;&#0x41;", "AAAAA"},
        {"&#321;", "A"},
        {"&#8364;&euro;", "\xAC\x80"},
        {"&# 65;&#+65;&#-1;", "AA\xFF"},
        {"&#65z;", "A"}, // the valid leading digits count
        {"&#;", QByteArray(1, '\0')},
        {"&#zz;", QByteArray(1, '\0')},
        {"&thetasym;", "?"},
        {"&abcdefghij;", "&abcdefghij;"},
        {"&abcdefghi;", "&abcdefghi;"}, // within reach but unknown
        {"&frasl;&rArr;", "&frasl;&rArr;"},
        {"tail&", "tail&"},
        {"&", "&"},
        {"&;", "&;"},
        {"&&amp;", "&&"},
        {"&jnk;&wamp;", "&jnk;&wamp;"}, // "j" and "w" cannot start a name
        {"&amp", "&amp"},
        {"&copy;&trade;&hellip;&mdash;", "\xA9\x99\x85\x97"},
        {"&asymp;&infin;&beta;", "\x98"
                                 "8\xDF"},
        {"\xE9&lt;\xFF", "\xE9<\xFF"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.source.toStdString());
        const QByteArray decoded = Decode(c.source);
        EXPECT_EQ(decoded.toHex(' ').toStdString(), c.expected.toHex(' ').toStdString());
        EXPECT_LE(decoded.size(), c.source.size());
    }
}

TEST(EntityKey, MatchesTheDocumentedExamples)
{
    EXPECT_EQ(EntityKey("quot"), QByteArray("scquot292864"));
    EXPECT_EQ(EntityKey("amp"), QByteArray("scamp166656"));
    EXPECT_EQ(EntityKey("lt"), QByteArray("sclt87040"));
    EXPECT_EQ(EntityKey(""), QByteArray("sc0"));
}

// The expected byte of each name, derived from its code point the way the table is meant to be made.
unsigned char ExpectedReplacement(const QString &name, int codePoint)
{
    static const std::map<QString, unsigned char> windows1252 = {
        {"OElig", 0x8C},  {"oelig", 0x9C},  {"Scaron", 0x8A}, {"scaron", 0x9A}, {"Yuml", 0x9F},
        {"fnof", 0x83},   {"circ", 0x88},   {"tilde", 0x98},  {"ndash", 0x96},  {"mdash", 0x97},
        {"lsquo", 0x91},  {"rsquo", 0x92},  {"sbquo", 0x82},  {"ldquo", 0x93},  {"rdquo", 0x94},
        {"bdquo", 0x84},  {"dagger", 0x86}, {"Dagger", 0x87}, {"bull", 0x95},   {"hellip", 0x85},
        {"permil", 0x89}, {"lsaquo", 0x8B}, {"rsaquo", 0x9B}, {"euro", 0x80},   {"trade", 0x99},
    };
    static const std::map<QString, unsigned char> lookAlikes = {
        {"ensp", 0x20},  {"emsp", 0x20},    {"thinsp", 0x20}, {"zwnj", 0x20},   {"zwj", 0x20},
        {"prime", 0x27}, {"Prime", 0x22},   {"minus", 0x2D},  {"lowast", 0x2A}, {"equiv", 0x3D},
        {"le", 0x3D},    {"ge", 0x3D},      {"sim", 0x7E},    {"asymp", 0x98},  {"sdot", 0xB7},
        {"empty", 0xD8}, {"infin", 0x38},   {"radic", 0x76},  {"cap", 0x6E},    {"Gamma", 0x47},
        {"Theta", 0x54}, {"Sigma", 0x53},   {"Phi", 0x46},    {"Omega", 0x4F},  {"alpha", 0x61},
        {"delta", 0x64}, {"epsilon", 0x65}, {"pi", 0x70},     {"sigma", 0x73},  {"tau", 0x74},
        {"phi", 0x66},   {"beta", 0xDF},    {"mu", 0xB5},
    };
    static const QStringList questionMarks = QString("forall part exist nabla isin notin ni prod sum prop "
                                                     "ang and or cup int there4 cong ne sub sup nsub "
                                                     "sube supe oplus otimes perp Alpha Beta Delta Epsilon "
                                                     "Zeta Eta Iota Kappa Lambda Mu Nu Xi Omicron Pi "
                                                     "Rho Tau Upsilon Chi Psi gamma zeta eta theta iota "
                                                     "kappa lambda nu xi omicron rho sigmaf upsilon chi "
                                                     "psi omega thetasym upsih piv lrm rlm oline larr uarr "
                                                     "rarr darr harr crarr lceil rceil lfloor rfloor "
                                                     "loz spades clubs hearts diams")
                                                 .split(' ');
    if (name == "nbsp")
        return 32;
    if (codePoint <= 255)
        return static_cast<unsigned char>(codePoint);
    if (windows1252.count(name))
        return windows1252.at(name);
    if (lookAlikes.count(name))
        return lookAlikes.at(name);
    EXPECT_TRUE(questionMarks.contains(name)) << name.toStdString() << " has no rule";
    return '?';
}

TEST(HTMLSpecialChars, EveryRecordFollowsTheReplacementRules)
{
    const QStringList order =
        QString(
            "quot amp apos lt gt nbsp iexcl cent pound curren yen brvbar sect uml copy ordf laquo not shy "
            "reg "
            "macr deg plusmn sup2 sup3 acute micro para middot cedil sup1 ordm raquo frac14 frac12 frac34 "
            "iquest "
            "times divide Agrave Aacute Acirc Atilde Auml Aring AElig Ccedil Egrave Eacute Ecirc Euml Igrave "
            "Iacute Icirc Iuml ETH Ntilde Ograve Oacute Ocirc Otilde Ouml Oslash Ugrave Uacute Ucirc Uuml "
            "Yacute "
            "THORN szlig agrave aacute acirc atilde auml aring aelig ccedil egrave eacute ecirc euml igrave "
            "iacute "
            "icirc iuml eth ntilde ograve oacute ocirc otilde ouml oslash ugrave uacute ucirc uuml yacute "
            "thorn "
            "yuml forall part exist empty nabla isin notin ni prod sum minus lowast radic prop infin ang and "
            "or "
            "cap cup int there4 sim cong asymp ne equiv le ge sub sup nsub sube supe oplus otimes perp sdot "
            "Alpha "
            "Beta Gamma Delta Epsilon Zeta Eta Theta Iota Kappa Lambda Mu Nu Xi Omicron Pi Rho Sigma Tau "
            "Upsilon "
            "Phi Chi Psi Omega alpha beta gamma delta epsilon zeta eta theta iota kappa lambda mu nu xi "
            "omicron "
            "pi rho sigmaf sigma tau upsilon phi chi psi omega thetasym upsih piv OElig oelig Scaron scaron "
            "Yuml "
            "fnof circ tilde ensp emsp thinsp zwnj zwj lrm rlm ndash mdash lsquo rsquo sbquo ldquo rdquo "
            "bdquo "
            "dagger Dagger bull hellip permil prime Prime lsaquo rsaquo oline euro trade larr uarr rarr darr "
            "harr "
            "crarr lceil rceil lfloor rfloor loz spades clubs hearts diams")
            .split(' ');
    ASSERT_EQ(order.size(), qsizetype(HTMLSpecialChars.size()));
    std::set<QString> seen;
    for (std::size_t i = 0; i < HTMLSpecialChars.size(); ++i) {
        const THTMLSpecialCharRecord &record = HTMLSpecialChars[i];
        const QString named = QString::fromLatin1(record.namedForm);
        const QString numeric = QString::fromLatin1(record.numericForm);
        SCOPED_TRACE(named.toStdString());
        ASSERT_TRUE(named.startsWith('&') && named.endsWith(';'));
        const QString name = named.mid(1, named.size() - 2);
        EXPECT_EQ(name, order[qsizetype(i)]);
        EXPECT_TRUE(seen.insert(name).second);
        ASSERT_TRUE(numeric.startsWith("&#") && numeric.endsWith(';'));
        bool ok = false;
        const int codePoint = numeric.mid(2, numeric.size() - 3).toInt(&ok);
        ASSERT_TRUE(ok);
        EXPECT_EQ(record.replacement, ExpectedReplacement(name, codePoint));
        EXPECT_NE(QString::fromLatin1(record.description), QString());
        // Each record is reachable through its own name, and only in that case.
        const QByteArray reference = record.namedForm;
        EXPECT_EQ(DecodeHTMLEntities(reference), QByteArray(1, char(record.replacement)));
        if (name != name.toUpper() && !order.contains(name.toUpper())) {
            const QByteArray upper = reference.toUpper();
            EXPECT_EQ(DecodeHTMLEntities(upper), upper);
        }
    }
    EXPECT_EQ(int(THTMLSpecialChar::scdiams), 240);
    EXPECT_EQ(int(THTMLSpecialChar::scEacute), order.indexOf("Eacute"));
}

} // namespace
} // namespace tessel::help
