#include "tests/fake_engine/FakeEngine.h"

#include <deque>
#include <string>
#include <vector>

namespace {

struct FakeEngine {
    std::vector<std::string> received;
    std::deque<std::string> output;
    std::string announced;
    bool inOutput = false;
    bool quit = false;
    int roundLimit = 1000;
    int legalMoves = 20;
};

// The exports carry no context, so the fake keeps its one instance here.
FakeEngine& Fake() {
    static FakeEngine fake;
    return fake;
}

} // namespace

extern "C" {

void fake_Reset(void) { Fake() = FakeEngine{}; }
int fake_ReceivedCount(void) { return int(Fake().received.size()); }

const char* fake_Received(int i) {
    const auto& lines = Fake().received;
    return i >= 0 && std::size_t(i) < lines.size() ? lines[std::size_t(i)].c_str() : "";
}

void fake_QueueOutput(const char* text) { Fake().output.emplace_back(text); }

void fake_SetRoundLimit(int rounds) { Fake().roundLimit = rounds; }
void fake_SetLegalMoveCount(int count) { Fake().legalMoves = count; }

void varnix_EngineStart(VarnixPumpCallback pump, VarnixOutputCallback output) {
    FakeEngine& fake = Fake();
    fake.quit = false;
    for (int round = 0; round < fake.roundLimit && !fake.quit; ++round) {
        pump();
        if (fake.output.empty()) continue;
        fake.announced = fake.output.front();
        fake.output.pop_front();
        fake.inOutput = true;
        output(int32_t(fake.announced.size()));
        fake.inOutput = false;
    }
}

void varnix_GetTxt(char* buffer) {
    const FakeEngine& fake = Fake();
    const std::string& text = fake.inOutput ? fake.announced : std::string();
    text.copy(buffer, text.size());
    buffer[text.size()] = '\0';
}

void varnix_ReceiveTxt(const char* line) {
    FakeEngine& fake = Fake();
    fake.received.emplace_back(line);
    if (fake.received.back() == "quit") fake.quit = true;
}

void varnix_add_time(int32_t) {}

void varnix_GetMove(const VarnixPosition*, uint8_t, VarnixMoveList* list) {
    *list = VarnixMoveList{};
    list->Count = uint8_t(Fake().legalMoves);
    for (int i = 0; i < list->Count; ++i) list->Entries[i] = VarnixMove{1, 2, 1, 3, 0, 0, 0, 0};
}

int16_t varnix_KingAttacked(const VarnixPosition*, int32_t) { return 0; }

void varnix_MakeMove(VarnixPosition*, const VarnixMove*) {}

} // extern "C"
