#include "protocol_host.h"

#include <algorithm>

#include "engine/api/varnix_engine.h"

namespace varnix::engine::testing {
namespace {

ProtocolHost* current = nullptr;

void Pump() {
    ProtocolHost& host = *current;
    if (++host.pumpCalls > host.maxPumpCalls) {
        host.gaveUp = true;
        varnix_ReceiveTxt("quit");
        return;
    }
    if (const std::optional<std::string> line = host.next(host)) varnix_ReceiveTxt(line->c_str());
}

void Output(int32_t length) {
    std::string text(size_t(length) + 1, '#');
    varnix_GetTxt(text.data());
    text.resize(size_t(length));
    current->texts.push_back(text);
    if (current->onText) current->onText(*current, text);
}

bool Arrived(const std::vector<std::string>& texts, size_t from, const std::string& awaited) {
    for (size_t start = 0; start <= awaited.size();) {
        const size_t bar = std::min(awaited.find('|', start), awaited.size());
        const std::string part = awaited.substr(start, bar - start);
        for (size_t i = from; i < texts.size(); ++i)
            if (texts[i].find(part) != std::string::npos) return true;
        start = bar + 1;
    }
    return false;
}

}  // namespace

void ProtocolHost::Run() {
    current = this;
    varnix_EngineStart(Pump, Output);
    current = nullptr;
}

std::vector<std::string> RunScript(const std::vector<Step>& steps) {
    size_t nextStep = 0;
    size_t sentAt = 0;  // texts seen when the awaited step's line went in
    const Step* waiting = nullptr;
    ProtocolHost host;
    host.next = [&](ProtocolHost& h) -> std::optional<std::string> {
        if (waiting != nullptr) {
            if (!Arrived(h.texts, sentAt, waiting->awaited)) return std::nullopt;
            waiting = nullptr;
        }
        if (nextStep == steps.size()) {
            ++nextStep;
            return "quit";
        }
        if (nextStep > steps.size()) return std::nullopt;
        const Step& step = steps[nextStep++];
        if (!step.awaited.empty()) {
            waiting = &step;
            sentAt = h.texts.size();
        }
        return step.line;
    };
    host.Run();
    return host.texts;
}

std::vector<std::string> MoveLines(const std::vector<std::string>& texts) {
    std::vector<std::string> lines;
    for (size_t i = 0; i + 1 < texts.size(); ++i)
        if (texts[i] == "\a") lines.push_back(texts[i + 1]);
    return lines;
}

std::optional<MoveLineParts> ReadMoveLine(const std::string& text) {
    const std::string head = "move (";
    const size_t close = text.find("): ");
    if (!text.starts_with(head) || close == std::string::npos || close == head.size() || !text.ends_with(" \n"))
        return std::nullopt;
    const std::string digits = text.substr(head.size(), close - head.size());
    const std::string san = text.substr(close + 3, text.size() - close - 5);
    if (digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 6 || san.empty() ||
        san.find(' ') != std::string::npos)
        return std::nullopt;
    return MoveLineParts{std::stoi(digits), san};
}

int Find(const std::vector<std::string>& texts, const std::string& part, int from) {
    for (int i = from; i < int(texts.size()); ++i)
        if (texts[i].find(part) != std::string::npos) return i;
    return -1;
}

}  // namespace varnix::engine::testing
