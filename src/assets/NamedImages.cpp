#include "assets/NamedImages.h"

#include <SOIL/SOIL.h>

#include <iostream>
#include <vector>

#include "assets/DataReport.h"
#include "assets/ImageFile.h"

namespace {
struct NamedImage {
    std::string file;
    GLuint texture = 0;
    bool tried = false;
};

std::vector<NamedImage> images;

const unsigned imageFlags = SOIL_FLAG_POWER_OF_TWO | SOIL_FLAG_MIPMAPS | SOIL_FLAG_INVERT_Y;

void load(NamedImage& image) {
    image.tried = true;
    std::string problem = imageFileProblem(image.file);
    image.texture = problem.empty()
                        ? SOIL_load_OGL_texture(image.file.c_str(), SOIL_LOAD_AUTO, SOIL_CREATE_NEW_ID, imageFlags)
                        : 0;
    if (image.texture == 0) {
        // SOIL's last result speaks of the last file it was given, not of one it was not.
        if (problem.empty()) problem = SOIL_last_result();
        std::cout << "Image " << shortened(image.file) << " could not be read ("
                  << (problem == missingFile ? "missing or not a file" : problem)
                  << "); what it shows is drawn as before" << std::endl;
        DataReport::noteProblem();
    }
}
}  // namespace

int registerImage(const std::string& file) {
    for (size_t i = 0; i < images.size(); ++i) {
        if (images[i].file == file) return static_cast<int>(i);
    }
    images.push_back(NamedImage{file});
    return static_cast<int>(images.size() - 1);
}

void loadNamedImages() {
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (NamedImage& image : images) {
        if (!image.tried) load(image);
    }
    glBindTexture(GL_TEXTURE_2D, 0);
}

void forgetNamedImages() {
    for (NamedImage& image : images) {
        if (image.texture != 0 && glIsTexture(image.texture)) glDeleteTextures(1, &image.texture);
        image.texture = 0;
        image.tried = false;
    }
}

GLuint namedImage(int index) {
    if (index < 0 || static_cast<size_t>(index) >= images.size()) return 0;
    return images[static_cast<size_t>(index)].texture;
}

GLuint namedImageOf(const std::string& file) {
    for (const NamedImage& image : images) {
        if (image.file == file) return image.texture;
    }
    return 0;
}

GLuint namedImageOr(int index, GLuint fallback) {
    GLuint texture = namedImage(index);
    return texture != 0 ? texture : fallback;
}
