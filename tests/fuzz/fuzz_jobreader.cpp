// Any bytes read as a job file: refused with a reason or read within the limits, and a job that
// was read writes and reads back as the same job.
#include "FuzzSupport.h"

#include "core/Job.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const JobFile::ReadResult read = JobFile::fromJson(fuzzBytes(data, size));
    if (!read.job) {
        if (read.error.isEmpty())
            __builtin_trap();
        return 0;
    }
    Job job = *read.job;
    if (job.details.jobName.size() > JobDetails::kMaxLength ||
        job.details.remarks.size() > JobDetails::kMaxRemarksLength)
        __builtin_trap();
    for (const PostedCells &cells : job.totals) {
        if (cells.row < 1 || cells.row > 8 || cells.labour.size() > Job::kMaxCellLength)
            __builtin_trap();
    }
    for (const PostedRecord &record : job.posted) {
        if (record.row < 1 || record.row > 8 || record.quantity.size() > Job::kMaxCellLength)
            __builtin_trap();
    }
    const QDateTime saved = QDateTime::fromMSecsSinceEpoch(1'800'000'000'000, Qt::UTC);
    const JobFile::ReadResult again = JobFile::fromJson(JobFile::toJson(job, saved));
    job.saved = saved;
    if (!again.job || !(*again.job == job))
        __builtin_trap();
    return 0;
}
