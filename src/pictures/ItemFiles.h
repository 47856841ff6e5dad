#pragma once

#include <QString>

class TfrmDM;

// The files of an item on disk: its picture P (ImageDir/ID.jpg) with the 200 × 200
// thumbnail P + "_YS.jpg", and one attached file Files/ID.extension recorded in UAFiles.
// Each function returns empty text on success, otherwise what went wrong for the user;
// a failure leaves the files as they were.

// The thumbnail of picture file `picture`.
QString thumbnailFile(const QString &picture);

// Copies `source` over the picture, creating its folder, and makes a new thumbnail.
QString uploadPicture(const QString &source, const QString &picture);

// Shrinks or enlarges the stored picture to `percent` of its current width and height
// (integer division); the thumbnail stays. 0 % is refused.
QString compressPicture(const QString &picture, int percent);

// Removes the picture and its thumbnail.
QString deletePicture(const QString &picture);

// The attached file of item `articleId`: AppDir/Files/ID.extension.
QString attachedFilePath(const QString &appDir, const QString &storedName);

// Stores `source` as the attached file of item `articleId`: the UAFiles row gets the
// extension and the size in megabytes (two decimals), the bytes replace any earlier
// file of the item, whatever its extension. Row and file change together.
QString uploadAttachedFile(TfrmDM &dm, const QString &appDir, int articleId, const QString &source);

// Copies the stored file `storedName` into `folder`. An existing file of that name is
// replaced only when `replace` is set; otherwise the copy is refused.
QString downloadAttachedFile(const QString &appDir, const QString &storedName, const QString &folder,
                             bool replace);
// The name the download gives the copy in `folder`.
QString downloadTarget(const QString &storedName, const QString &folder);
