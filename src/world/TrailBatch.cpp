#include "world/TrailBatch.h"

#include "assets/Shaders.h"
#include "world/Trail.h"

namespace {
const int floatsPerVertex = 8;
}  // namespace

// Each pair carries -w then +w in alpha: the sign picks the ribbon edge, xy
// the sample and zw the one before it, for the direction of travel. Samples
// stored in one place (a long frame) give no direction; such a segment takes
// its older neighbour's, or the ribbon pinches to nothing there.
void TrailBatch::add(const Trail& trail, point current) {
    int n = trail.sampleCount;
    firsts.push_back(static_cast<GLint>(vertices.size() / floatsPerVertex));
    counts.push_back(2 * (n + 1));
    size_t start = vertices.size();
    vertices.resize(start + static_cast<size_t>(2 * (n + 1) * floatsPerVertex));
    float* out = vertices.data() + start;
    point travel{0, 0};
    auto emitPair = [&](point at, point before, float w) {
        if (at.x == before.x && at.y == before.y) {
            before = point{at.x - travel.x, at.y - travel.y};
        } else {
            travel = point{at.x - before.x, at.y - before.y};
        }
        for (float signedWidth : {-w, w}) {
            *out++ = at.x;
            *out++ = at.y;
            *out++ = before.x;
            *out++ = before.y;
            *out++ = trail.red;
            *out++ = trail.green;
            *out++ = trail.blue;
            *out++ = signedWidth;
        }
    };
    const std::vector<point>& ring = trail.ring;
    for (int i = 1; i <= n; ++i) {
        int slot = (trail.head + i + 1) % (n + 1);
        int previous = slot == 0 ? n : slot - 1;
        float f = static_cast<float>(i) / n;
        emitPair(ring[slot], ring[previous], trail.width * f);
    }
    emitPair(current, ring[trail.head], trail.width);
}

// Drawing with a colour array leaves the current colour undefined; the
// bodies drawn after the trails take it, so it is put back.
void TrailBatch::flush() {
    if (counts.empty()) {
        return;
    }
    glPushAttrib(GL_CURRENT_BIT);
    glUseProgram(shaders[program]);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(4, GL_FLOAT, floatsPerVertex * sizeof(float), vertices.data());
    glColorPointer(4, GL_FLOAT, floatsPerVertex * sizeof(float), vertices.data() + 4);
    glMultiDrawArrays(GL_QUAD_STRIP, firsts.data(), counts.data(), static_cast<GLsizei>(counts.size()));
    glDisableClientState(GL_COLOR_ARRAY);
    glDisableClientState(GL_VERTEX_ARRAY);
    glUseProgram(0);
    glPopAttrib();
    vertices.clear();
    firsts.clear();
    counts.clear();
}
