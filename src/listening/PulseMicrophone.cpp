// SPDX-License-Identifier: GPL-3.0-or-later
#include "listening/PulseMicrophone.h"

#include <pulse/error.h>
#include <pulse/pulseaudio.h>
#include <pulse/simple.h>

#include <algorithm>
#include <chrono>
#include <thread>

#include "listening/HearRecording.h"

namespace orvel {

namespace {

constexpr const char* kClientName = "Orvel Modalune";

}  // namespace

PulseMicrophone::PulseMicrophone(std::string input, ListenMode mode)
    : shared_(std::make_shared<Shared>()) {
    shared_->ear = MakeEar(mode, kSampleRate);
    std::thread([shared = shared_, input = std::move(input)] { Run(shared, input); }).detach();
}

PulseMicrophone::~PulseMicrophone() {
    shared_->stopping = true;
}

void PulseMicrophone::Run(const std::shared_ptr<Shared>& shared, const std::string& input) {
    const pa_sample_spec monoFloats{PA_SAMPLE_FLOAT32NE, kSampleRate, 1};
    const auto blockBytes =
        static_cast<std::uint32_t>(kSampleRate * kBlockMs / 1000 * sizeof(float));
    pa_buffer_attr buffering{};
    buffering.maxlength = static_cast<std::uint32_t>(-1);
    buffering.fragsize = blockBytes;
    int error = 0;
    pa_simple* stream = pa_simple_new(nullptr, kClientName, PA_STREAM_RECORD,
                                      input.empty() ? nullptr : input.c_str(), "Listen",
                                      &monoFloats, nullptr, &buffering, &error);
    if (stream == nullptr) {
        const std::lock_guard guard(shared->lock);
        shared->failure = std::string("no audio input (") + pa_strerror(error) + ")";
        return;
    }
    std::vector<float> block(blockBytes / sizeof(float));
    while (!shared->stopping) {
        if (pa_simple_read(stream, block.data(), blockBytes, &error) < 0) {
            const std::lock_guard guard(shared->lock);
            shared->failure = std::string("the audio input stopped (") + pa_strerror(error) + ")";
            break;
        }
        const std::lock_guard guard(shared->lock);
        shared->ear->Hear(block);
    }
    pa_simple_free(stream);
}

HeardNow PulseMicrophone::Now() const {
    const std::lock_guard guard(shared_->lock);
    return shared_->ear->Now();
}

Heard PulseMicrophone::SoFar() const {
    const std::lock_guard guard(shared_->lock);
    return shared_->ear->SoFar();
}

std::optional<std::string> PulseMicrophone::Failure() const {
    const std::lock_guard guard(shared_->lock);
    return shared_->failure;
}

namespace {

struct Asking {
    std::vector<AudioInput> inputs;
    std::string defaultName;
    int waiting = 0;  // answers still to come
};

void OnServer(pa_context*, const pa_server_info* info, void* data) {
    auto* asking = static_cast<Asking*>(data);
    if (info != nullptr && info->default_source_name != nullptr) {
        asking->defaultName = info->default_source_name;
    }
    --asking->waiting;
}

void OnSource(pa_context*, const pa_source_info* info, int last, void* data) {
    auto* asking = static_cast<Asking*>(data);
    if (last != 0 || info == nullptr) {
        --asking->waiting;
        return;
    }
    asking->inputs.push_back({info->name, info->description ? info->description : info->name});
}

}  // namespace

std::vector<AudioInput> PulseInputs() {
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::seconds(1);
    pa_mainloop* loop = pa_mainloop_new();
    pa_context* context = pa_context_new(pa_mainloop_get_api(loop), kClientName);
    Asking asking;
    bool asked = false;
    if (pa_context_connect(context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) >= 0) {
        while (Clock::now() < deadline) {
            // Waits 10 ms at most, so that a server that never answers is
            // given up on in time.
            pa_mainloop_prepare(loop, 10'000);
            pa_mainloop_poll(loop);
            pa_mainloop_dispatch(loop);
            const pa_context_state_t state = pa_context_get_state(context);
            if (!PA_CONTEXT_IS_GOOD(state)) {
                break;
            }
            if (state == PA_CONTEXT_READY && !asked) {
                asked = true;
                asking.waiting = 2;
                pa_operation_unref(pa_context_get_server_info(context, OnServer, &asking));
                pa_operation_unref(pa_context_get_source_info_list(context, OnSource, &asking));
            }
            if (asked && asking.waiting == 0) {
                break;
            }
        }
    }
    const bool answered = asked && asking.waiting == 0;
    pa_context_disconnect(context);
    pa_context_unref(context);
    pa_mainloop_free(loop);
    if (!answered) {
        return {};
    }
    std::stable_partition(asking.inputs.begin(), asking.inputs.end(), [&](const AudioInput& input) {
        return input.name == asking.defaultName;
    });
    return asking.inputs;
}

}  // namespace orvel
