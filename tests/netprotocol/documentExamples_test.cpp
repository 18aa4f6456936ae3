// The examples of docs/online-protocol.md: every client frame there reads
// without an error, and every server frame is written as the server's writer
// writes it (compact, keys in order), so the document cannot drift from the code.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "clientMessage.h"
#include "serverMessages.h"

namespace {

// One-line JSON objects of the document's code blocks.
std::vector<std::string> ExampleFrames()
{
    std::ifstream document(VELTAN_PROTOCOL_DOCUMENT);
    std::vector<std::string> frames;
    bool inCode = false;
    for (std::string line; std::getline(document, line);) {
        if (line.starts_with("```"))
            inCode = !inCode;
        else if (inCode && line.starts_with("{\"") && line.ends_with("}"))
            frames.push_back(line);
    }
    return frames;
}

TEST(DocumentExamples, ReadAsTheLibraryReadsAndWritesThem)
{
    const std::vector<std::string> frames = ExampleFrames();
    ASSERT_FALSE(frames.empty()) << "no examples read from " << VELTAN_PROTOCOL_DOCUMENT;
    for (const std::string& frame : frames) {
        const QByteArray bytes = QByteArray::fromStdString(frame);
        // Client frames are written as people write them, `type` first.
        if (frame.starts_with("{\"type\":")) {
            const net::TClientReading reading = net::ReadClientMessage(bytes);
            EXPECT_TRUE(reading.message) << frame << "\n" << reading.problem.toStdString();
        } else {
            EXPECT_EQ(net::FrameText(net::ReadServerFrame(bytes).body).toStdString(), frame);
        }
    }
}

} // namespace
