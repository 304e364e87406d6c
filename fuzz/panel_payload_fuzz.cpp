// The reading of what a panel sends: any payload, any key, every reader.
#include "FuzzInput.h"
#include "panels/PanelPayload.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    const std::string key = in.Text(in.Byte() % 16);
    const std::string payload = in.Rest();
    std::string value = "<untouched>";
    if (ExtractPayloadValue(payload, key, &value) && value.size() > payload.size()) {
        std::fprintf(stderr, "a value longer than its payload\n");
        std::abort();
    }
    const double number = ReadLeadingNumber(payload);
    if (!std::isfinite(number)) {
        std::fprintf(stderr, "a non-finite number read from the payload\n");
        std::abort();
    }
    ReadLeadingInteger(payload);
    ReadTruth(payload);
    double real = 1;
    int32_t integer = 1;
    bool truth = true;
    ReadPayloadField(payload, key, &real);
    ReadPayloadField(payload, key, &integer);
    ReadPayloadField(payload, key, &truth);
    if (!std::isfinite(real)) {
        std::fprintf(stderr, "a non-finite field read from the payload\n");
        std::abort();
    }
    return 0;
}
