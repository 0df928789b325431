// The messages the simulated mouse exchanges with the kernel's uhid driver, as
// bytes the kernel reads and writes.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>

#include "mousesim/UhidMessages.h"

namespace mousesim::uhid {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes bytesOf(const Event& event, std::size_t length = sizeof(Event))
{
    const auto* begin = reinterpret_cast<const std::uint8_t*>(&event);
    return Bytes(begin, begin + length);
}

Event kernelEvent(std::uint32_t type)
{
    Event event;
    std::memset(&event, 0, sizeof event);
    event.type = type;
    return event;
}

TEST(UhidMessages, CreateCarriesIdentityAndDescriptorAndRefusesWhatTheKernelCannotTake)
{
    const Bytes descriptor = {0x06, 0x0A, 0x00, 0x09, 0x00, 0xA1, 0x01, 0xC0};
    const auto create = createMessage({std::string(200, 'n'), 0x03, 0x1E7D, 0x2DC2, 0x0100}, descriptor);
    ASSERT_TRUE(create);
    EXPECT_EQ(create->type, UHID_CREATE2);
    EXPECT_EQ(create->u.create2.bus, 0x03);
    EXPECT_EQ(create->u.create2.vendor, 0x1E7Du);
    EXPECT_EQ(create->u.create2.product, 0x2DC2u);
    EXPECT_EQ(create->u.create2.version, 0x0100u);
    ASSERT_EQ(create->u.create2.rd_size, descriptor.size());
    EXPECT_EQ(Bytes(create->u.create2.rd_data, create->u.create2.rd_data + descriptor.size()), descriptor);
    EXPECT_EQ(create->u.create2.name[sizeof create->u.create2.name - 1], 0) << "a long name stays terminated";

    EXPECT_FALSE(createMessage({}, {}));
    EXPECT_FALSE(createMessage({}, Bytes(HID_MAX_DESCRIPTOR_SIZE + 1, 0)));
    EXPECT_FALSE(inputMessage({}));
    EXPECT_FALSE(inputMessage(Bytes(UHID_DATA_MAX + 1, 3)));
    const auto input = inputMessage(Bytes{3, 0, 0x20, 2, 0});
    ASSERT_TRUE(input);
    EXPECT_EQ(input->type, UHID_INPUT2);
    EXPECT_EQ(input->u.input2.size, 5);
    EXPECT_EQ(input->u.input2.data[2], 0x20);
}

TEST(UhidMessages, ReportRequestsAreReadOnlyWithinTheMessage)
{
    Event get = kernelEvent(UHID_GET_REPORT);
    get.u.get_report = {77, 9, UHID_FEATURE_REPORT};
    const auto getRequest = decodeRequest(bytesOf(get));
    ASSERT_TRUE(getRequest);
    const auto* decodedGet = std::get_if<GetReport>(&*getRequest);
    ASSERT_NE(decodedGet, nullptr);
    EXPECT_EQ(decodedGet->id, 77u);
    EXPECT_EQ(decodedGet->reportId, 9);
    EXPECT_TRUE(decodedGet->feature);
    EXPECT_FALSE(decodeRequest(bytesOf(get, 4 + sizeof(uhid_get_report_req) - 1))) << "cut short";

    Event set = kernelEvent(UHID_SET_REPORT);
    set.u.set_report.id = 78;
    set.u.set_report.rnum = 14;
    set.u.set_report.rtype = UHID_OUTPUT_REPORT;
    set.u.set_report.size = 3;
    std::memcpy(set.u.set_report.data, "\x0E\x03\x01", 3);
    const auto setRequest = decodeRequest(bytesOf(set));
    ASSERT_TRUE(setRequest);
    const auto* decodedSet = std::get_if<SetReport>(&*setRequest);
    ASSERT_NE(decodedSet, nullptr);
    EXPECT_EQ(decodedSet->id, 78u);
    EXPECT_FALSE(decodedSet->feature);
    EXPECT_EQ(decodedSet->data, (Bytes{0x0E, 0x03, 0x01}));
    EXPECT_FALSE(decodeRequest(bytesOf(set, 4 + 8 + 2))) << "data past the end of what was read";
    set.u.set_report.size = UHID_DATA_MAX + 1;
    EXPECT_FALSE(decodeRequest(bytesOf(set))) << "a length beyond the data field";

    const auto open = decodeRequest(bytesOf(kernelEvent(UHID_OPEN)));
    ASSERT_TRUE(open && std::holds_alternative<OpenChanged>(*open));
    EXPECT_TRUE(std::get<OpenChanged>(*open).open);
    EXPECT_FALSE(std::get<OpenChanged>(*decodeRequest(bytesOf(kernelEvent(UHID_CLOSE)))).open);
    EXPECT_TRUE(std::holds_alternative<Ignored>(*decodeRequest(bytesOf(kernelEvent(UHID_START)))));
    EXPECT_FALSE(decodeRequest(Bytes{1, 0}));
}

TEST(UhidMessages, RepliesNameTheirRequestAndFailWithoutAReport)
{
    const Event answered = getReportReply(5, Bytes{9, 6, 107, 107, 0, 0});
    EXPECT_EQ(answered.type, UHID_GET_REPORT_REPLY);
    EXPECT_EQ(answered.u.get_report_reply.id, 5u);
    EXPECT_EQ(answered.u.get_report_reply.err, 0);
    ASSERT_EQ(answered.u.get_report_reply.size, 6);
    EXPECT_EQ(answered.u.get_report_reply.data[2], 107);

    for (const auto& none : {std::optional<Bytes>{}, std::optional<Bytes>{Bytes{}},
                             std::optional<Bytes>{Bytes(UHID_DATA_MAX + 1, 0)}}) {
        const Event failed = getReportReply(6, none);
        EXPECT_EQ(failed.u.get_report_reply.id, 6u);
        EXPECT_EQ(failed.u.get_report_reply.err, EIO);
        EXPECT_EQ(failed.u.get_report_reply.size, 0);
    }

    EXPECT_EQ(setReportReply(7, true).u.set_report_reply.err, 0);
    EXPECT_EQ(setReportReply(7, false).u.set_report_reply.err, EIO);
    EXPECT_EQ(setReportReply(7, false).u.set_report_reply.id, 7u);
    EXPECT_EQ(destroyMessage().type, UHID_DESTROY);
}

}  // namespace
}  // namespace mousesim::uhid
