#include "samplewriter/movie_record.h"

#include "samplewriter/record_writer.h"

namespace vn::samples {

std::vector<uint8_t> MovieRecordBody(const MovieSettings& s) {
    RecordWriter r(kMovieRecordBodySize, 6);
    r.Text(6, s.modelName, 16);
    r.U16(22, s.firmware);
    r.U8(26, s.bandFilter);
    r.U8(27, s.led);
    r.U8(28, s.timeStamp);
    r.U8(30, s.whiteBalance);
    r.U8(31, s.scene);
    r.U8(32, s.captureMode);
    r.U8(33, s.hdr);
    r.U16(34, s.contrast);
    r.U16(36, s.saturation);
    r.U16(38, s.sharpness);
    r.U32(40, s.intervalTenths);
    r.U16(44, static_cast<uint16_t>(s.expoComp));
    r.U16(46, s.timerStart);
    r.U16(48, s.timerStop);
    r.U8(50, s.timerDays);
    return r.Take();
}

}  // namespace vn::samples
