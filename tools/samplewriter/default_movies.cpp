#include "samplewriter/default_movies.h"

namespace vn::samples {

namespace {

SampleMovie NewMovie(std::string fileName, std::string summary, bool rawMovie, int width, int height, int pictureCount,
                     uint32_t timeResolution, Place place) {
    SampleMovie m;
    m.fileName = std::move(fileName);
    m.summary = std::move(summary);
    m.rawMovie = rawMovie;
    m.width = width;
    m.height = height;
    m.pictureCount = pictureCount;
    m.timeResolution = timeResolution;
    m.place = place;
    return m;
}

}  // namespace

SampleMovie StreamMovieSample() {
    SampleMovie m = NewMovie("MOV0001.M4V", "MPEG-4 stream: a fox on a rocky ridge at dawn", false, 320, 240, 90, 15,
                             {Landscape::Rocky, 5001});
    m.quantiser = 4;
    for (int k = 0; k < 6; ++k) {
        SceneView view;
        view.daylight = 0.35f + 0.05f * k;
        view.cloudShift = 0.02f * k;
        view.animals.push_back({Animal::Kind::Fox, 0.15f + 0.13f * k, 0.78f, 0.2f});
        m.intraViews.push_back(view);
    }
    return m;
}

SampleMovie RawMovieSample() {
    SampleMovie m = NewMovie("MOV0002.MVM", "raw movie with sound: a deer grazing in a meadow, a 1 kHz tone", true, 176,
                             144, 300, 1000, {Landscape::Meadow, 5002});
    m.quantiser = 5;
    m.toneFrequency = 1000;
    m.toneAmplitude = 8000;
    m.audioBytesPerPicture = 548;
    m.fileTime = CameraDate{2014, 5, 17, 6, 45, 40};
    for (int k = 0; k < 20; ++k) {
        SceneView view;
        view.daylight = 0.9f;
        view.cloudShift = 0.01f * k;
        view.sway = k % 2 == 0 ? 0.3f : -0.3f;
        view.animals.push_back({Animal::Kind::Deer, 0.9f - 0.035f * k, 0.72f, 0.3f, true});
        if (k >= 6 && k < 12) view.animals.push_back({Animal::Kind::Bird, 0.1f + 0.15f * (k - 6), 0.2f, 0.08f});
        m.intraViews.push_back(view);
    }
    return m;
}

std::vector<SampleMovie> DefaultMovies() { return {StreamMovieSample(), RawMovieSample()}; }

}  // namespace vn::samples
