#pragma once

#include <optional>
#include <variant>

#include <QList>
#include <QString>

// What the message box, file dialog and launcher seams share: while recording,
// nothing reaches the user or the desktop; every call is kept as a Request and
// answered with the next queued Answer (the seam decides what an empty queue
// means). In strict mode a call that is not recorded ends the process at once
// instead of opening a modal window that no test would ever close.
//
// Extra is anything else a seam records beside its requests (the file dialog
// keeps the files its overwrite question was asked about); it is emptied
// together with the requests and answers.
template <typename Request, typename Answer, typename Extra = std::monostate> class Recorder
{
public:
    bool isRecording() const { return m_recording; }
    // Starting or ending a recording forgets what the previous one left
    // behind, so that no answer queued by one test reaches the next.
    void setRecording(bool on)
    {
        m_recording = on;
        m_requests.clear();
        m_answers.clear();
        m_extra = Extra();
    }

    bool isStrict() const { return m_strict; }
    void setStrict(bool on) { m_strict = on; }

    // Called before a seam reaches the user: ends the process, naming the
    // call by describe() ("message box: ..."), when it runs strict and is not
    // recording. describe is only called then, so naming costs nothing else.
    template <typename Describe> void refuseUnlessRecording(Describe describe) const
    {
        if (m_strict && !m_recording)
            qFatal("Unexpected %s", qUtf8Printable(describe()));
    }

    void record(const Request &request) { m_requests.append(request); }
    const QList<Request> &requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }

    void queue(const Answer &answer) { m_answers.append(answer); }
    int queued() const { return int(m_answers.size()); }
    // The oldest queued answer, taken off the queue; none when it is empty.
    std::optional<Answer> takeAnswer()
    {
        if (m_answers.isEmpty())
            return std::nullopt;
        return m_answers.takeFirst();
    }
    Answer takeAnswerOr(const Answer &fallback) { return m_answers.isEmpty() ? fallback : m_answers.takeFirst(); }

    Extra &extra() { return m_extra; }
    const Extra &extra() const { return m_extra; }

    // Records for the object's lifetime; the seams derive their own guard
    // that needs no argument.
    class Recording
    {
    public:
        explicit Recording(Recorder &recorder)
            : m_recorder(recorder)
        {
            m_recorder.setRecording(true);
        }
        ~Recording() { m_recorder.setRecording(false); }
        Recording(const Recording &) = delete;
        Recording &operator=(const Recording &) = delete;

        const QList<Request> &requests() const { return m_recorder.requests(); }
        int count() const { return int(m_recorder.requests().size()); }
        const Request &last() const { return m_recorder.requests().last(); }
        void clear() { m_recorder.clearRequests(); }

    private:
        Recorder &m_recorder;
    };

private:
    bool m_recording = false;
    bool m_strict = false;
    QList<Request> m_requests;
    QList<Answer> m_answers;
    Extra m_extra;
};
