#include "SignalMatrix.h"

#include <algorithm>
#include <utility>

namespace model {

void SignalMatrix::Resize(Integer signalBound, Integer stepBound) {
  std::int64_t signals = std::int64_t{signalBound} + 1;
  std::int64_t steps = std::int64_t{stepBound} + 1;
  if (signals <= 0 || steps <= 0) {
    signals = 0;
    steps = 0;
  }
  // Clip before multiplying, so that the count neither overflows nor asks for
  // more memory than a run could ever use.
  signals = std::min(signals, kMaxElements);
  if (signals > 0) steps = std::min(steps, kMaxElements / signals);
  if (signals - 1 == signalBound_ && steps - 1 == stepBound_) return;

  std::vector<Single> values(static_cast<std::size_t>(signals * steps), 0.0f);
  const std::int64_t keptSignals = std::min<std::int64_t>(signals, std::int64_t{signalBound_} + 1);
  const std::int64_t keptSteps = std::min<std::int64_t>(steps, std::int64_t{stepBound_} + 1);
  for (std::int64_t i = 0; i < keptSignals; ++i) {
    const auto from = values_.begin() + static_cast<std::ptrdiff_t>(i * (std::int64_t{stepBound_} + 1));
    std::copy(from, from + static_cast<std::ptrdiff_t>(keptSteps),
              values.begin() + static_cast<std::ptrdiff_t>(i * steps));
  }
  values_ = std::move(values);
  signalBound_ = static_cast<Integer>(signals - 1);
  stepBound_ = static_cast<Integer>(steps - 1);
}

}  // namespace model
