// Whole sessions of the menu loop on a script console, checked as transcripts.
#include <string>

#include <gtest/gtest.h>

#include "app/menu.h"
#include "console/stream.h"

using namespace dlt;

static const std::string kMenu =
    "Durchlauftraeger,i Info\n"
    "F1 a linkes Traegerende\n"
    "F2 b Z-Bed. elast.Lager\n"
    "F3 c Traegerabschnitt\n"
    "F4 d Einzellast\n"
    "F5 e Wellenabschnitt\n"
    "F6 f Lager,Gelenk,re.Ende\n"
    "F7 g w, psi, M, Q\n"
    "F8 q Exit\n";

static const std::string kInfo =
    "Durchlauftraeger, Projektteam Durchlauftraeger, 08.12.2026\nweiter mit bel.Taste..";

static std::string session(const std::string& script) {
  console_open_script(script);
  run_menu();
  return console_take_output();
}

TEST(Menu, QEndsAtOnce) {
  EXPECT_EQ(session("q"), kMenu);
  EXPECT_EQ(session("q i"), kMenu);
}

TEST(Menu, EndOfInputEndsTheLoop) {
  EXPECT_EQ(session(""), kMenu);
  EXPECT_EQ(session(" \n "), kMenu);
}

TEST(Menu, InfoPausesThenTheMenuFollowsOnTheSameLine) {
  EXPECT_EQ(session("i x q"), kMenu + kInfo + kMenu);
  // The key that ends the pause is taken by the pause, even q.
  EXPECT_EQ(session("iqq"), kMenu + kInfo + kMenu);
}

TEST(Menu, OtherKeysPrintTheMenuAgain) {
  EXPECT_EQ(session("A"), kMenu + kMenu);
  EXPECT_EQ(session("Q 1 ~"), kMenu + kMenu + kMenu + kMenu);
  // A function key sends three codes and so prints the menu three times.
  EXPECT_EQ(session("\x1bOPq"), kMenu + kMenu + kMenu + kMenu);
}
