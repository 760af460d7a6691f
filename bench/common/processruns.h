#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstddef>
#include <vector>

// Helpers of the benchmarks that run whole programs a few times: the move files they open,
// and the median of the runs.
namespace processruns {

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 != 0 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}

inline bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace processruns
