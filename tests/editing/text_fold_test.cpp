#include "editing/text_fold.h"

#include <gtest/gtest.h>

#include <string>

namespace qira {
namespace {

const std::string fffd = "\xEF\xBF\xBD";

TEST(TextFold, LatinNamesLoseCaseAndAccents) {
    EXPECT_EQ(fold_text("M\xC3\xBCller"), "muller");           // Müller
    EXPECT_EQ(fold_text("MU\xCC\x88LLER"), "muller");          // U + combining diaeresis
    EXPECT_EQ(fold_text("\xC3\x89LODIE"), "elodie");           // ÉLODIE
    EXPECT_EQ(fold_text("\xC3\xA9lodie"), "elodie");           // élodie
    EXPECT_EQ(fold_text("Ibrahimovi\xC4\x87"), "ibrahimovic"); // ć
    EXPECT_EQ(fold_text("\xC5\xA0\xC4\x8C\xC5\xBD"), "scz");   // ŠČŽ
    EXPECT_EQ(fold_text("Nguy\xE1\xBB\x85n"), "nguyen");       // ễ: two marks
    EXPECT_EQ(fold_text("\xC4\xB0stanbul"), "istanbul");       // İ
    EXPECT_EQ(fold_text("\xC3\x85se \xC3\x87"
                        "elik"),
              "ase celik"); // Åse Çelik
    EXPECT_EQ(fold_text("plain ascii 09 #-"), "plain ascii 09 #-");
}

TEST(TextFold, LettersWithoutDecompositionAreSpeltOut) {
    EXPECT_EQ(fold_text("\xC5\x81ukasz"), "lukasz");     // Łukasz
    EXPECT_EQ(fold_text("\xC5\x82ukasz"), "lukasz");     // łukasz
    EXPECT_EQ(fold_text("S\xC3\xB8rensen"), "sorensen"); // Sørensen
    EXPECT_EQ(fold_text("S\xC3\x98RENSEN"), "sorensen"); // SØRENSEN
    EXPECT_EQ(fold_text("Stra\xC3\x9F"
                        "e"),
              "strasse"); // Straße
    EXPECT_EQ(fold_text("STRA\xE1\xBA\x9E"
                        "E"),
              "strasse"); // capital ẞ
    // đ Đ ħ Ħ ŧ Ŧ æ Æ œ Œ ı þ Þ ð Ð ĸ ŋ Ŋ ŀ Ŀ
    EXPECT_EQ(fold_text("\xC4\x91\xC4\x90 \xC4\xA7\xC4\xA6 \xC5\xA7\xC5\xA6 \xC3\xA6\xC3\x86 "
                        "\xC5\x93\xC5\x92 \xC4\xB1 \xC3\xBE\xC3\x9E \xC3\xB0\xC3\x90 \xC4\xB8 "
                        "\xC5\x8B\xC5\x8A \xC5\x80\xC4\xBF"),
              "dd hh tt aeae oeoe i thth dd k nn ll");
    EXPECT_EQ(fold_text("\xEF\xAC\x81"
                        "lho"),
              "filho"); // ﬁ ligature
}

TEST(TextFold, GreekAndCyrillicAreLowercasedWithoutAccents) {
    EXPECT_EQ(fold_text("\xCE\xA3\xCE\xA9"), "\xCF\x83\xCF\x89");    // ΣΩ → σω
    EXPECT_EQ(fold_text("\xCE\x86\xCE\xB3\xCE\xB9\xCE\xBF\xCF\x82"), // Άγιος
              "\xCE\xB1\xCE\xB3\xCE\xB9\xCE\xBF\xCF\x83");           // αγιοσ
    EXPECT_EQ(fold_text("\xD0\x98\xD0\xB2\xD0\xB0\xD0\xBD"), "\xD0\xB8\xD0\xB2\xD0\xB0\xD0\xBD");
    EXPECT_EQ(fold_text("\xD0\x81\xD0\xB6"), "\xD0\xB5\xD0\xB6"); // Ёж → еж
    // й and Й lose their breve like any other accent.
    EXPECT_EQ(fold_text("\xD0\x90\xD0\xBD\xD0\xB4\xD1\x80\xD0\xB5\xD0\xB9"),
              "\xD0\xB0\xD0\xBD\xD0\xB4\xD1\x80\xD0\xB5\xD0\xB8");
    EXPECT_EQ(fold_text("\xD0\x99"), "\xD0\xB8");
}

TEST(TextFold, FullwidthFormsBecomeAscii) {
    EXPECT_EQ(fold_text("\xEF\xBC\xA1\xEF\xBD\x82\xEF\xBC\x91"), "ab1"); // Ａｂ１
}

TEST(TextFold, WhiteSpaceRunsBecomeOneSpaceAndEndsAreTrimmed) {
    EXPECT_EQ(fold_text("Ryan  Turner"), "ryan turner");
    EXPECT_EQ(fold_text(" \t Ryan \n\r Turner \v\f "), "ryan turner");
    EXPECT_EQ(fold_text("Ryan\xC2\xA0Turner"), "ryan turner");                 // no-break space
    EXPECT_EQ(fold_text("Ryan\xE3\x80\x80\xE2\x80\x83Turner"), "ryan turner"); // ideographic, em
    // A mark alone between spaces leaves no word behind.
    EXPECT_EQ(fold_text("a \xCC\x81 b"), "a b");
    EXPECT_EQ(fold_text(""), "");
    EXPECT_EQ(fold_text("   \t "), "");
    EXPECT_EQ(fold_text("\xCC\x81\xCC\x88"), "");
}

TEST(TextFold, InvisibleCharactersAreDroppedAndSpacingAccentsKept) {
    EXPECT_EQ(fold_text("M\xC3\xBC\xC2\xADller"), "muller");      // soft hyphen
    EXPECT_EQ(fold_text("\xEF\xBB\xBFRyan\xE2\x80\x8B"), "ryan"); // BOM, zero-width space
    EXPECT_EQ(fold_text("O\xC2\xB4Neil"), "o\xC2\xB4neil");       // ´ stays, no space
}

TEST(TextFold, InvalidBytesBecomeOneReplacementEach) {
    EXPECT_EQ(fold_text("Ca\xFF\xFEZ"), "ca" + fffd + fffd + "z");
    EXPECT_EQ(fold_text("\x80\xBF"), fffd + fffd); // stray continuation bytes
    EXPECT_EQ(fold_text("\xC0\xAF"), fffd + fffd); // overlong '/': C0 is never a lead byte
    EXPECT_EQ(fold_text("\xE0\x80\xAF"), fffd + fffd + fffd); // overlong three-byte form
    EXPECT_EQ(fold_text("\xF0\x80\x80\xAF"), fffd + fffd + fffd + fffd);
    EXPECT_EQ(fold_text("\xED\xA0\x80"), fffd + fffd + fffd);            // surrogate D800
    EXPECT_EQ(fold_text("\xF4\x90\x80\x80"), fffd + fffd + fffd + fffd); // past U+10FFFF
    EXPECT_EQ(fold_text("\xF5\xF8\xFF"), fffd + fffd + fffd);
    // A valid prefix cut by a bad byte is one replacement; the bad byte starts afresh.
    EXPECT_EQ(fold_text("\xE2\x82Z"), fffd + "z");
    EXPECT_EQ(fold_text("\xF0\x9F\x98X"), fffd + "x");
    EXPECT_EQ(fold_text("\xE2\x82\xC3\x9C"), fffd + "u"); // then Ü
    // A replacement character in the text stays one.
    EXPECT_EQ(fold_text(fffd), fffd);
    // Four-byte characters outside the table pass through.
    EXPECT_EQ(fold_text("A\xF0\x9F\x98\x80"), "a\xF0\x9F\x98\x80");
}

TEST(TextFold, TruncatedSequenceAtTheEndIsOneReplacement) {
    for (const std::string& cut :
         {std::string("\xC3"), std::string("\xE2\x82"), std::string("\xF0\x9F\x98"),
          std::string("\xF0\x9F"), std::string("\xF4")}) {
        EXPECT_EQ(fold_text("Ryan " + cut), "ryan " + fffd) << cut.size();
        // The bytes past the view's end are never looked at: a view cut inside a valid
        // character reads as a truncated one.
        const std::string whole = "ab" + cut + "\x80\x80\x80";
        EXPECT_EQ(fold_text(std::string_view(whole).substr(0, 2 + cut.size())), "ab" + fffd);
    }
}

TEST(TextFold, FoldingIsStable) {
    // Folding a folded text changes nothing: labels and queries fold alike.
    for (const char* text : {"M\xC3\xBCller",
                             "STRA\xE1\xBA\x9E"
                             "E",
                             "\xCE\xA3\xCE\xA9", "Ca\xFF\xFE", "\xD0\x99\xD0\x81",
                             "O\xC2\xB4Neil  X", "\xEF\xAC\x83 \xC3\x85"}) {
        const std::string once = fold_text(text);
        EXPECT_EQ(fold_text(once), once) << text;
    }
}

} // namespace
} // namespace qira
