// worldmap-bench: the place tree's route search against a plain
// breadth-first search over the same place graphs (a chain, grids, complete
// graphs and random graphs of a tenth closed places), the same start and
// destination pairs, the route lengths checked equal. Prints microseconds per
// route and their ratio. Then the map's frame (update and render) on the
// game started on a game folder (the sample game by default) with 2, 50 and
// 300 places against the empty map, in the same run. It is no test.
//
//   worldmap-bench [GAME_FOLDER\]

#include "JC_Module/JC_WorldMap/JC_PlaceTree.h"
#include "bench/Support/BenchGameData.h"
#include "bench/Support/BenchTiming.h"
#include "bench/worldmap/MapFrameBench.h"

#include <windows.h>

#include <cstdio>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace {

const int RUNS = 5;
const int PAIRS = 200;
const unsigned SEED = 35;

// Places 1 to n; each its open flag and its "CanGoPlace" list, index 0 unused.
struct JS_PlaceGraph
{
    std::string strName;
    std::vector<bool> open;
    std::vector<std::vector<DWORD>> links;

    DWORD Count() const { return static_cast<DWORD>(links.size()) - 1; }
    void Link(DWORD a, DWORD b)
    {
        links[a].push_back(b);
        links[b].push_back(a);
    }
};

JS_PlaceGraph EmptyGraph(const std::string& strName, DWORD dwCount)
{
    JS_PlaceGraph graph;
    graph.strName = strName;
    graph.open.assign(dwCount + 1, true);
    graph.open[0] = false;
    graph.links.resize(dwCount + 1);
    return graph;
}

JS_PlaceGraph Chain(DWORD dwCount)
{
    JS_PlaceGraph graph = EmptyGraph("chain of " + std::to_string(dwCount), dwCount);
    for (DWORD p = 1; p < dwCount; ++p)
        graph.Link(p, p + 1);
    return graph;
}

JS_PlaceGraph Grid(DWORD dwSide)
{
    JS_PlaceGraph graph = EmptyGraph("grid " + std::to_string(dwSide) + " x " + std::to_string(dwSide), dwSide * dwSide);
    for (DWORD y = 0; y < dwSide; ++y) {
        for (DWORD x = 0; x < dwSide; ++x) {
            const DWORD p = 1 + y * dwSide + x;
            if (x + 1 < dwSide)
                graph.Link(p, p + 1);
            if (y + 1 < dwSide)
                graph.Link(p, p + dwSide);
        }
    }
    return graph;
}

JS_PlaceGraph Complete(DWORD dwCount)
{
    JS_PlaceGraph graph = EmptyGraph("complete " + std::to_string(dwCount), dwCount);
    for (DWORD a = 1; a <= dwCount; ++a) {
        for (DWORD b = a + 1; b <= dwCount; ++b)
            graph.Link(a, b);
    }
    return graph;
}

// A random spanning tree, then further random links up to about four per
// place, a tenth of the places closed.
JS_PlaceGraph Random(DWORD dwCount, std::mt19937& dice)
{
    JS_PlaceGraph graph = EmptyGraph("random " + std::to_string(dwCount), dwCount);
    for (DWORD p = 2; p <= dwCount; ++p)
        graph.Link(p, std::uniform_int_distribution<DWORD>(1, p - 1)(dice));
    std::uniform_int_distribution<DWORD> place(1, dwCount);
    for (DWORD i = 0; i < dwCount; ++i) {
        const DWORD a = place(dice);
        const DWORD b = place(dice);
        if (a != b)
            graph.Link(a, b);
    }
    for (DWORD i = 0; i < dwCount / 10; ++i)
        graph.open[place(dice)] = false;
    return graph;
}

// The place tree reading the graph as the world map's control would hand it
// over: the open flag and a copy of the list.
class GraphPlaceTree : public JC_PlaceTree
{
public:
    explicit GraphPlaceTree(const JS_PlaceGraph& graph) : JC_PlaceTree(nullptr), m_Graph(graph) {}

protected:
    BOOL IsPlaceOpen(DWORD dwPlaceID) override { return dwPlaceID <= m_Graph.Count() && m_Graph.open[dwPlaceID]; }
    std::vector<DWORD> GetCanGoPlaces(DWORD dwPlaceID) override
    {
        return dwPlaceID <= m_Graph.Count() ? m_Graph.links[dwPlaceID] : std::vector<DWORD>();
    }

private:
    const JS_PlaceGraph& m_Graph;
};

// The baseline: breadth-first from the destination over the lists, arrays
// indexed by place; the route's place count, 0 when there is none.
size_t PlainRouteLength(const JS_PlaceGraph& graph, DWORD dwStart, DWORD dwDestination, std::vector<int>& from,
                        std::vector<DWORD>& queue)
{
    if (!graph.open[dwStart] || !graph.open[dwDestination])
        return 0;
    if (dwStart == dwDestination)
        return 2;
    from.assign(graph.links.size(), -1);
    queue.clear();
    queue.push_back(dwDestination);
    from[dwDestination] = 0;
    for (size_t i = 0; i < queue.size(); ++i) {
        for (const DWORD dwLink : graph.links[queue[i]]) {
            if (from[dwLink] >= 0 || !graph.open[dwLink])
                continue;
            from[dwLink] = static_cast<int>(queue[i]);
            if (dwLink == dwStart) {
                size_t uLength = 1;
                for (DWORD p = dwStart; p != dwDestination; p = static_cast<DWORD>(from[p]))
                    ++uLength;
                return uLength;
            }
            queue.push_back(dwLink);
        }
    }
    return 0;
}

std::vector<std::pair<DWORD, DWORD>> RandomPairs(const JS_PlaceGraph& graph, std::mt19937& dice)
{
    std::uniform_int_distribution<DWORD> place(1, graph.Count());
    std::vector<std::pair<DWORD, DWORD>> pairs;
    for (int i = 0; i < PAIRS; ++i)
        pairs.emplace_back(place(dice), place(dice));
    return pairs;
}

// Times both searches over the pairs; false when a route length differs.
bool BenchGraph(const JS_PlaceGraph& graph, std::mt19937& dice)
{
    const std::vector<std::pair<DWORD, DWORD>> pairs = RandomPairs(graph, dice);
    GraphPlaceTree tree(graph);
    std::vector<size_t> treeLengths(pairs.size());
    std::vector<size_t> plainLengths(pairs.size());
    std::vector<DWORD> route;
    std::vector<int> from;
    std::vector<DWORD> queue;
    const double dTree = BenchBestOf(RUNS, [&] {
        return BenchSecondsOf([&] {
            for (size_t i = 0; i < pairs.size(); ++i) {
                tree.FindRoute(pairs[i].first, pairs[i].second, route);
                treeLengths[i] = route.size();
            }
        });
    });
    const double dPlain = BenchBestOf(RUNS, [&] {
        return BenchSecondsOf([&] {
            for (size_t i = 0; i < pairs.size(); ++i)
                plainLengths[i] = PlainRouteLength(graph, pairs[i].first, pairs[i].second, from, queue);
        });
    });
    size_t uFound = 0;
    for (size_t i = 0; i < pairs.size(); ++i) {
        if (treeLengths[i] != plainLengths[i]) {
            std::printf("%s: route %lu -> %lu has %zu places, the plain search %zu\n", graph.strName.c_str(),
                        static_cast<unsigned long>(pairs[i].first), static_cast<unsigned long>(pairs[i].second),
                        treeLengths[i], plainLengths[i]);
            return false;
        }
        uFound += treeLengths[i] != 0 ? 1 : 0;
    }
    const double dPerRoute = 1e6 / static_cast<double>(pairs.size());
    std::printf("%-16s %3zu of %zu routes found, place tree %8.3f us, plain %7.3f us per route, tree / plain = %.2f\n",
                graph.strName.c_str(), uFound, pairs.size(), dTree * dPerRoute, dPlain * dPerRoute, dTree / dPlain);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    std::mt19937 dice(SEED);
    std::vector<JS_PlaceGraph> graphs = {Chain(100), Grid(5), Grid(8)};
    for (DWORD n = 6; n <= 10; ++n)
        graphs.push_back(Complete(n));
    for (const DWORD n : {100u, 1000u, 5000u})
        graphs.push_back(Random(n, dice));
    for (const JS_PlaceGraph& graph : graphs) {
        if (!BenchGraph(graph, dice))
            return 1;
    }
    const std::string strFolder = BenchGameFolder(argc, argv);
    if (strFolder.empty()) {
        std::printf("no game folder for the map's frames: worldmap-bench GAME_FOLDER\\\n");
        return 1;
    }
    return BenchMapFrames(strFolder);
}
