#include "common/Scrolling.h"

#include <gtest/gtest.h>

#include <climits>

namespace vistrel {
namespace {

TEST(Scrolling, RequestsStayBetweenTheEnds) {
    using R = ScrollRequest;
    struct Case {
        R request;
        int current, track, content, view, expected;
    } cases[] = {
        {R::LineForward, 0, 0, 1000, 300, 16},     {R::LineBack, 10, 0, 1000, 300, 0},
        {R::PageForward, 600, 0, 1000, 300, 700},  {R::PageBack, 250, 0, 1000, 300, 0},
        {R::ToEnd, 0, 0, 1000, 300, 700},          {R::ToStart, 500, 0, 1000, 300, 0},
        {R::Track, 0, 450, 1000, 300, 450},        {R::Track, 0, 5000, 1000, 300, 700},
        {R::LineForward, 0, 0, 200, 300, 0},       // content that fits never scrolls
        {R::None, 900, 0, 1000, 300, 700},         // a view that grew pulls the content back
        {R::PageForward, INT_MAX - 15, 0, INT_MAX, 10, INT_MAX - 10},  // no overflow near the top
        {R::LineForward, 0, 0, 1000, -4, 16},      // a negative view counts as none
    };
    for (const Case& c : cases)
        EXPECT_EQ(ScrollTarget(c.request, c.current, c.track, 16, c.content, c.view), c.expected)
            << int(c.request) << " from " << c.current;
}

}  // namespace
}  // namespace vistrel
