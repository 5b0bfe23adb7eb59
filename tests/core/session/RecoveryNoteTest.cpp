#include "core/session/RecoveryNote.h"

#include <gtest/gtest.h>

using namespace targello;

TEST(RecoveryNote, ReadsBackWhatItWroteWithBreaksAndBackslashes) {
    const RecoveryNote note{"Sklep 3", "C:\\Zakupy\\nowy\nsklep\r\\n.esk"};
    const std::string text = FormatRecoveryNote(note);
    EXPECT_EQ(text.find("sklep\r"), std::string::npos) << "one line per field";
    EXPECT_EQ(ParseRecoveryNote(text), note);
    EXPECT_EQ(ParseRecoveryNote(FormatRecoveryNote({"Sklep 1", ""})), (RecoveryNote{"Sklep 1", ""}));
}

TEST(RecoveryNote, AnythingElseIsNoNote) {
    const std::string good = FormatRecoveryNote({"Sklep 2", "/a.esk"});
    EXPECT_TRUE(ParseRecoveryNote(good + "nowe=pole\n")) << "a later version's field is skipped";
    EXPECT_FALSE(ParseRecoveryNote(""));
    EXPECT_FALSE(ParseRecoveryNote("targello-odzysk 2\npodpis=Sklep 1\n"));
    EXPECT_FALSE(ParseRecoveryNote("targello-odzysk 1\npodpis=Sklep 1\nbez znaku równości\n"));
    EXPECT_FALSE(ParseRecoveryNote("targello-odzysk 1\nplik=koniec\\\n"));
    EXPECT_FALSE(ParseRecoveryNote("targello-odzysk 1\nplik=\\t\n"));
}
