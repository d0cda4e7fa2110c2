#include "convert/side_by_side.h"

#include <condition_variable>
#include <exception>
#include <map>
#include <memory>
#include <mutex>
#include <thread>

#include "core/message_record.h"

namespace tabulyst {

namespace {

// One file's conversion, apart from the run until its turn comes.
struct Job {
    size_t index = 0;
    bool refused = false;
    ProgramSettings startSettings;  // the run's settings when it started
    ConversionContext context;
    MessageRecord record;
    std::vector<HeldFile> held;
    FileResult result = FileResult::NotConverted;
    std::exception_ptr failure;  // what the conversion threw, thrown again in its turn

    void DropDocuments() {
        for (const HeldFile& file : held) DiscardHeld(file);
        held.clear();
    }
};

// The filters a policy set gives a sink, which pass from the run to a job and back.
void CopyFilters(const MessageSink& from, MessageSink& to) {
    to.reportingLevel = from.reportingLevel;
    to.display = from.display;
    to.statusShown = from.statusShown;
    to.suppressUrl = from.suppressUrl;
    to.suppressInfo = from.suppressInfo;
    to.suppressWarning = from.suppressWarning;
    to.suppressProgramError = from.suppressProgramError;
    to.suppressTagError = from.suppressTagError;
}

// The sink of a job: the run's filters, its streams and log recorded.
void RecordInto(Job& job, const MessageSink& run) {
    MessageSink& sink = job.context.sink;
    sink.logPath = run.logPath;
    CopyFilters(run, sink);
    sink.runDisplay = run.runDisplay;
    sink.err = &job.record.Err();
    sink.out = &job.record.Out();
    sink.logFile = run.logFile ? &job.record : nullptr;
}

// What the run learns from a job when its turn comes, as if it had converted the file.
void TakeOver(ConversionContext& run, Job& job) {
    ConversionContext& done = job.context;
    MessageSink& sink = run.sink;
    job.record.Replay(sink);
    CopyFilters(done.sink, sink);
    if (!done.sink.runBuffer.Empty()) {
        if (!sink.runBuffer.Empty()) sink.runBuffer.AppendChar('\n');
        sink.runBuffer.Append(done.sink.runBuffer);
    }
    run.settings = done.settings;
    run.inputFile = done.inputFile;
    run.inputDirectory = done.inputDirectory;
    run.inputName = done.inputName;
    run.inputExtension = done.inputExtension;
    run.lastDocument = done.lastDocument;
    run.refusedFiles += done.refusedFiles;
    std::swap(run.inDocument, done.inDocument);
}

class SideBySide {
  public:
    SideBySide(ConversionContext& run, const FC& master, const FileLoopOptions& options,
               TableFormat format, const std::vector<bool>& refused)
        : run_(run),
          master_(master),
          options_(options),
          format_(format),
          refused_(refused),
          first_(static_cast<size_t>(run.files.index)),
          next_(first_),
          turn_(first_) {}

    void Convert(RunOutcome& outcome) {
        const size_t count = static_cast<size_t>(run_.files.Count());
        const size_t workers = std::min(static_cast<size_t>(options_.jobs), count - first_);
        std::vector<std::thread> threads;
        for (size_t i = 0; i < workers; ++i) threads.emplace_back([this] { Work(); });
        std::exception_ptr failure;
        try {
            TakeInTurn(count, outcome);
        } catch (...) {
            failure = std::current_exception();
        }
        {
            std::lock_guard lock(mutex_);
            stopped_ = true;
            changed_.notify_all();
        }
        for (std::thread& thread : threads) thread.join();
        // Conversions that finished after the run stopped leave nothing behind.
        for (auto& [index, job] : finished_) job->DropDocuments();
        if (failure) std::rethrow_exception(failure);
    }

  private:
    // A worker takes the next file while it is within reach of the file whose turn it is:
    // the conversions waiting for their turn, and their recorded messages, stay few.
    void Work() {
        while (true) {
            std::unique_ptr<Job> job = std::make_unique<Job>();
            {
                std::unique_lock lock(mutex_);
                changed_.wait(lock, [&] {
                    return stopped_ || next_ >= static_cast<size_t>(run_.files.Count()) ||
                           next_ < turn_ + Reach();
                });
                if (stopped_ || next_ >= static_cast<size_t>(run_.files.Count())) return;
                job->index = next_++;
                job->refused = refused_[job->index];
                job->startSettings = run_.settings;
                RecordInto(*job, run_.sink);
            }
            if (!job->refused) {
                try {
                    Run(*job);
                } catch (...) {
                    job->failure = std::current_exception();
                }
            }
            std::lock_guard lock(mutex_);
            finished_[job->index] = std::move(job);
            changed_.notify_all();
        }
    }

    size_t Reach() const { return 2 * static_cast<size_t>(options_.jobs); }

    // Converts a job's file on its own context and policy sets.
    void Run(Job& job) {
        ConversionContext& context = job.context;
        context.options = run_.options;
        context.productCode = run_.productCode;
        context.settings = job.startSettings;
        context.secondOutputDirectory = run_.secondOutputDirectory;
        context.useSecondOutputDirectory = run_.useSecondOutputDirectory;
        context.heldFiles = &job.held;
        FC master(&context.sink);
        master.CopyAll(master_);
        context.Link(master);
        FC working(&context.sink);
        job.result = ConvertOneFile(context, master, working, options_, format_,
                                    run_.files.paths[job.index], run_.files.outputSpecs[job.index]);
    }

    // The conversions in file order, each taken over when its turn comes.
    void TakeInTurn(size_t count, RunOutcome& outcome) {
        for (size_t at = first_; at < count; ++at) {
            run_.files.index = static_cast<int>(at + 1);
            if (run_.files.paths[at].Empty()) return;
            std::unique_ptr<Job> job = WaitFor(at);
            if (job->failure) {
                job->DropDocuments();
                std::rethrow_exception(job->failure);
            }
            if (job->refused) {
                outcome.failed = true;
                Advance(at);
                continue;
            }
            // Started before an earlier file changed the settings: done again, now.
            if (!(job->startSettings == run_.settings)) {
                job->DropDocuments();
                std::unique_ptr<Job> again = std::make_unique<Job>();
                again->index = at;
                {
                    std::lock_guard lock(mutex_);
                    again->startSettings = run_.settings;
                    RecordInto(*again, run_.sink);
                }
                Run(*again);
                job = std::move(again);
            }
            const FileResult result = Commit(*job);
            if (result == FileResult::StopsTheRun) {
                outcome.failed = true;
                return;
            }
            if (result == FileResult::NotConverted) {
                outcome.failed = true;
            } else {
                ++outcome.converted;
                outcome.lastDocument = run_.lastDocument;
            }
            Advance(at);
        }
    }

    std::unique_ptr<Job> WaitFor(size_t at) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return finished_.count(at) > 0; });
        std::unique_ptr<Job> job = std::move(finished_[at]);
        finished_.erase(at);
        return job;
    }

    void Advance(size_t at) {
        std::lock_guard lock(mutex_);
        turn_ = at + 1;
        changed_.notify_all();
    }

    // Says what the job said and lets its documents through, in the order they were closed.
    FileResult Commit(Job& job) {
        std::lock_guard lock(mutex_);
        TakeOver(run_, job);
        FileResult result = job.result;
        for (const HeldFile& file : job.held) {
            std::string reason;
            if (ReplaceWithHeld(file, reason)) continue;
            master_.Issue("ERROR: Can't write file \"" + file.target + "\" (" + reason + ")", 10);
            result = FileResult::StopsTheRun;
        }
        job.held.clear();
        return result;
    }

    ConversionContext& run_;
    const FC& master_;
    const FileLoopOptions& options_;
    TableFormat format_;
    const std::vector<bool>& refused_;
    std::mutex mutex_;
    std::condition_variable changed_;
    size_t first_;  // the first file of the loop
    size_t next_;   // the next file a worker takes
    size_t turn_;   // the file whose turn it is
    bool stopped_ = false;
    std::map<size_t, std::unique_ptr<Job>> finished_;
};

}  // namespace

void ConvertSideBySide(ConversionContext& context, FC& master, const FileLoopOptions& options,
                       TableFormat format, const std::vector<bool>& refused, RunOutcome& outcome) {
    SideBySide(context, master, options, format, refused).Convert(outcome);
}

}  // namespace tabulyst
