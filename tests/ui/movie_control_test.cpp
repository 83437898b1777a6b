// CMovieControl: the animation steps back and forth through the sheet, one cell per 100 ms.
#include "ui/movie_control.h"

#include "app/frame.h"
#include "support/ui_fixture.h"

namespace {
constexpr int kScreen = 906;
}  // namespace

class MovieControlTest : public UiFixture {
protected:
    void MovieRow(int id, int grid, bool visible = true)
    {
        Control(id, kScreen, 10, 20, visible);
        Insert("movie_control", id, id, kSlotSprite, 8, grid);
    }
};

TEST_F(MovieControlTest, PingPongsBetweenFirstAndLastCell)
{
    MovieRow(90601, 3);
    CMovieControl movie(90601);
    gFrameTimeMs = 100;
    std::vector<int> frames;
    for (int i = 0; i < 20; ++i) {
        movie.Draw();
        frames.push_back(movie.frame);
    }
    std::vector<int> expected = {1, 2, 3, 4, 5, 6, 7, 8, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2, 3, 4};
    EXPECT_EQ(frames, expected);
}

TEST_F(MovieControlTest, StepsOnlyAfterMoreThan99Ms)
{
    MovieRow(90601, 3);
    CMovieControl movie(90601);
    gFrameTimeMs = 99;
    movie.Draw();
    EXPECT_EQ(movie.frame, 0);
    gFrameTimeMs = 1;
    movie.Draw();
    EXPECT_EQ(movie.frame, 1);
}

TEST_F(MovieControlTest, DrawsOnlyWhenVisibleIsExactlyOne)
{
    MovieRow(90601, 3);
    CMovieControl movie(90601);
    gFrameTimeMs = 0;
    auto draw = [&] { movie.Draw(); };
    EXPECT_EQ(Drawn(draw).size(), 1u);
    movie.visible = 2;
    EXPECT_TRUE(Drawn(draw).empty());
}
